#!/usr/bin/env python3
"""How many small faults does the test suite notice?

Changes one token of the game's source at a time (`==` to `!=`, `<` to `<=`,
`&&` to `||`, `+ 1` to `+ 2`, `true` to `false`, a `!` dropped, a `0` compared
against turned into `1`, ...), rebuilds the game and the tests, runs the
suite, and reports for each change whether a test failed. It works in a copy
of the tree kept in a work folder outside the checkout, with one build folder
reused from run to run, so each change costs one file's compile and a link.

    python3 tools/mutate.py --list                 # every candidate change
    python3 tools/mutate.py --count 60 --seed 1    # 60 of them, chosen by the seed
    nice -n 15 python3 tools/mutate.py --files 'src/platform/*' --count 0

A change is "killed" when a test failed, "survived" when the whole suite
passed, "timeout" when the suite ran past the limit (a loop that never ends:
noticed too), "build-failed" when it does not compile and "same-binary" when
the stripped programs come out byte for byte as before (the compiler saw no
difference: equivalent). The last line sums them up; the share noticed counts
killed and timeout among the changes that built into a different program.
"""

import argparse
import fcntl
import fnmatch
import hashlib
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# Pure data: the world's tables and the ids that index them. Changing a
# number there changes the world, not the rules.
TABLES = {
    "src/record/characterTable.cpp",
    "src/record/items.cpp",
    "src/record/locations.cpp",
    "src/record/worldIds.h",
    "src/rules/world/ambience.cpp",
}

# Binary operators stand between blanks in this tree's formatting; template
# brackets, `->`, `&&` of a forwarding reference and `<<` never do.
SPACED = r"(?<=\s){}(?=\s)"
OPERATORS = [
    (SPACED.format("=="), "!="),
    (SPACED.format("!="), "=="),
    (SPACED.format("<"), "<="),
    (SPACED.format("<="), "<"),
    (SPACED.format(">"), ">="),
    (SPACED.format(">="), ">"),
    (SPACED.format(r"&&"), "||"),
    (SPACED.format(r"\|\|"), "&&"),
    (r"(?<=\s)\+ 1(?![\w.'])", "+ 2"),
    (r"(?<=\s)- 1(?![\w.'])", "- 2"),
    (r"(?<=\s)\+= 1(?![\w.'])", "+= 2"),
    (r"(?<=\s)-= 1(?![\w.'])", "-= 2"),
    (r"\btrue\b", "false"),
    (r"\bfalse\b", "true"),
    (r"!(?=[\w(*])", ""),
    (r"(?<=[=!<>]= )0(?![\w.'])", "1"),
    (r"(?<=[<>] )0(?![\w.'])", "1"),
]


def spans(text):
    """Yields (kind, start, end) for each comment, string or character
    literal and preprocessor line of C++ source; kind is "comment",
    "string", "char" or "directive"."""
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c == "#":
            end = i
            while end < n and (text[end] != "\n" or text[end - 1] == "\\"):
                end += 1
            yield "directive", i, end
            i = end
            continue
        if c == "\n":
            line_start = True
            i += 1
            continue
        if not c.isspace():
            line_start = False
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            yield "comment", i, end
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            yield "comment", i, end
            i = end
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not text[i - 1].isalnum()):
            open_paren = text.find("(", i)
            delim = text[i + 2:open_paren]
            end = text.find(")" + delim + '"', open_paren)
            end = n if end < 0 else end + len(delim) + 2
            yield "string", i, end
            i = end
        elif c in "\"'" and not (c == "'" and i > 0 and text[i - 1].isalnum()):
            end = i + 1
            while end < n and text[end] != c:
                end += 2 if text[end] == "\\" else 1
            yield "string" if c == '"' else "char", i, end + 1
            i = end + 1
        else:
            i += 1


def code_only(text):
    """The text with comments, string and character literals and preprocessor
    lines blanked out (newlines kept), so offsets still match."""
    out = list(text)
    for _, start, end in spans(text):
        for k in range(start, min(end, len(out))):
            if out[k] != "\n":
                out[k] = " "
    return "".join(out)


class Mutant:
    def __init__(self, path, offset, old, new, line, column, source_line):
        self.path, self.offset, self.old, self.new = path, offset, old, new
        self.line, self.column, self.source_line = line, column, source_line

    def where(self):
        return f"{self.path}:{self.line}:{self.column}"

    def change(self):
        return f"'{self.old}' -> '{self.new}'" if self.new else f"'{self.old}' dropped"


def game_sources(tree):
    files = []
    for path in sorted((tree / "src").rglob("*")):
        rel = path.relative_to(tree).as_posix()
        if path.suffix in (".cpp", ".h") and rel not in TABLES:
            files.append(rel)
    return files


def candidates(tree, patterns):
    mutants = []
    for rel in game_sources(tree):
        if patterns and not any(fnmatch.fnmatch(rel, p) for p in patterns):
            continue
        text = (tree / rel).read_text()
        code = code_only(text)
        found = []
        for pattern, replacement in OPERATORS:
            for match in re.finditer(pattern, code):
                found.append((match.start(), match.group(0), replacement))
        for offset, old, new in sorted(found):
            line = text.count("\n", 0, offset) + 1
            line_start = text.rfind("\n", 0, offset) + 1
            line_end = text.find("\n", offset)
            source_line = text[line_start:line_end].strip()
            # A checked layout only stops the build; a row of a table is data.
            if source_line.startswith(("static_assert", '{"')):
                continue
            mutants.append(Mutant(rel, offset, old, new, line, offset - line_start + 1,
                                  source_line))
    return mutants


# ---- The copy and its build ----

def tracked_files():
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            cwd=ROOT, check=True, capture_output=True).stdout
    return [name for name in listed.decode().split("\0") if name and (ROOT / name).is_file()]


def sync_copy(tree):
    """Brings the copy level with the checkout, touching only files whose
    bytes differ, so the build folder stays up to date for the rest."""
    wanted = set(tracked_files())
    for name in wanted:
        source, target = ROOT / name, tree / name
        data = source.read_bytes()
        if target.is_file() and target.read_bytes() == data:
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(data)
        shutil.copymode(source, target)
    for path in tree.rglob("*"):
        if path.is_file() and path.relative_to(tree).as_posix() not in wanted:
            path.unlink()


def run(command, cwd, timeout=None):
    """Runs a command in its own process group; on timeout the whole group
    is stopped. Returns (exit status or None on timeout, output)."""
    process = subprocess.Popen(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               start_new_session=True)
    try:
        output, _ = process.communicate(timeout=timeout)
        return process.returncode, output.decode(errors="replace")
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        output, _ = process.communicate()
        return None, output.decode(errors="replace")


def build(build_dir):
    return run(["ninja", "-C", str(build_dir), "lanternmoor", "lanternmoor_tests"], build_dir,
               timeout=600)


def fingerprint(build_dir):
    """The programs' code without symbols, debug lines or build id: equal
    when the compiler made nothing different of a change."""
    digest = hashlib.sha256()
    for binary in ("lanternmoor", "tests/lanternmoor_tests"):
        with tempfile.NamedTemporaryFile() as stripped:
            subprocess.run(["strip", "--strip-all", "--remove-section=.note.gnu.build-id", "-o",
                            stripped.name, str(build_dir / binary)], check=True)
            digest.update(Path(stripped.name).read_bytes())
    return digest.hexdigest()


def run_suite(build_dir, args, timeout):
    command = ["ctest", "-j", str(args.jobs), "--timeout", str(int(timeout)), "--stop-on-failure",
               "--output-on-failure"]
    if args.exclude:
        command += ["-E", args.exclude]
    return run(command, build_dir, timeout=timeout + 10)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", action="store_true", help="print the candidate changes and stop")
    parser.add_argument("--seed", type=int, default=1, help="chooses the sample (default 1)")
    parser.add_argument("--count", type=int, default=30,
                        help="how many changes to try; 0 tries them all (default 30)")
    parser.add_argument("--files", action="append", default=[],
                        help="only source files matching this pattern (repeatable)")
    parser.add_argument("--ids", help="try exactly these candidates (numbers from --list, a,b,c)")
    parser.add_argument("--exclude", default="", help="ctest -E: tests left out of each run")
    parser.add_argument("--timeout", type=float, default=0,
                        help="seconds one suite run may take (default: 4 times the clean run, "
                             "at least 60)")
    parser.add_argument("--jobs", type=int, default=2, help="ctest -j (default 2)")
    parser.add_argument("--workdir", type=Path,
                        default=Path(tempfile.gettempdir()) /
                        f"lanternmoor-mutate-{os.getuid()}-"
                        f"{hashlib.sha1(str(ROOT).encode()).hexdigest()[:8]}",
                        help="where the copy and its build live (kept for the next run)")
    parser.add_argument("--verbose", action="store_true",
                        help="show the failing tests' names (their output is kept in logs/ "
                             "in the work folder)")
    args = parser.parse_args()

    if args.list:
        every = candidates(ROOT, args.files)
        for number, mutant in enumerate(every):
            print(f"{number:4} {mutant.where():40} {mutant.change():18} {mutant.source_line}")
        print(f"{len(every)} candidates")
        return 0

    tree, build_dir = args.workdir / "tree", args.workdir / "build"
    tree.mkdir(parents=True, exist_ok=True)
    # One run at a time in a work folder: a second would rewrite the first's copy.
    lock = open(args.workdir / "lock", "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        sys.exit(f"another run is using {args.workdir}")
    sync_copy(tree)
    every = candidates(tree, args.files)

    if args.ids:
        chosen = [every[int(number)] for number in args.ids.split(",")]
    elif args.count and args.count < len(every):
        chosen = random.Random(args.seed).sample(every, args.count)
    else:
        chosen = list(every)
    # One file at a time: each change then undoes the one before it in place.
    chosen.sort(key=lambda mutant: (mutant.path, mutant.offset))

    if not (build_dir / "build.ninja").exists():
        subprocess.run(["cmake", "-S", str(tree), "-B", str(build_dir), "-G", "Ninja",
                        "-DLANTERNMOOR_TESTS=ON"], check=True, stdout=subprocess.DEVNULL)
    status, output = build(build_dir)
    if status != 0:
        sys.exit("the unchanged tree does not build:\n" + output)
    clean = fingerprint(build_dir)
    started = time.monotonic()
    status, output = run_suite(build_dir, args, args.timeout or 3600)
    clean_seconds = time.monotonic() - started
    if status != 0:
        sys.exit("the suite fails on the unchanged tree:\n" + output)
    timeout = args.timeout or max(60.0, 4 * clean_seconds)
    print(f"clean run: {clean_seconds:.1f}s; {len(chosen)} of {len(every)} candidates; "
          f"timeout {timeout:.0f}s", flush=True)

    counts = {}
    original = {}
    try:
        for number, mutant in enumerate(chosen, 1):
            path = tree / mutant.path
            text = original.setdefault(mutant.path, path.read_text())
            end = mutant.offset + len(mutant.old)
            path.write_text(text[:mutant.offset] + mutant.new + text[end:])
            started = time.monotonic()
            status, output = build(build_dir)
            failed = ""
            if status != 0:
                outcome = "build-failed"
            elif fingerprint(build_dir) == clean:
                outcome = "same-binary"
            else:
                status, output = run_suite(build_dir, args, timeout)
                outcome = "timeout" if status is None else "survived" if status == 0 else "killed"
                failed = ", ".join(sorted(set(re.findall(r"Test +#\d+: (\S+) \.+\**(?:Failed|Exception|Timeout|Subprocess)", output))))
            counts[outcome] = counts.get(outcome, 0) + 1
            print(f"[{number:3}/{len(chosen)}] {outcome:12} {mutant.where():40} "
                  f"{mutant.change():18} {time.monotonic() - started:5.1f}s  {mutant.source_line}",
                  flush=True)
            if args.verbose and failed:
                print(f"      failed: {failed}", flush=True)
            if outcome in ("killed", "timeout", "build-failed"):
                logs = args.workdir / "logs"
                logs.mkdir(exist_ok=True)
                (logs / f"{mutant.path.replace('/', '_')}-{mutant.line}-{mutant.column}.log"
                 ).write_text(output)
            # The next change in the same file replaces this one; otherwise put it back.
            following = chosen[number] if number < len(chosen) else None
            if following is None or following.path != mutant.path:
                path.write_text(original.pop(mutant.path))
    finally:
        for rel, text in original.items():
            (tree / rel).write_text(text)

    noticed = counts.get("killed", 0) + counts.get("timeout", 0)
    judged = noticed + counts.get("survived", 0)
    share = f"{100 * noticed / judged:.0f}%" if judged else "-"
    print(f"summary: {len(chosen)} tried, " +
          ", ".join(f"{counts.get(k, 0)} {k}"
                    for k in ("killed", "timeout", "survived", "same-binary", "build-failed")) +
          f"; noticed {noticed}/{judged} ({share})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
