#!/usr/bin/env python3
"""Which of the game's texts does no test show?

Collects every text the game can print: the string literals handed to
out(), outError() and the C library's printing calls in src/, and every
text of the world's tables (names, descriptions, what characters say, what
places murmur). Each text is cut at its formatting directives and colour
codes; it counts as shown when every piece of three characters or more
appears in what the tests expect: the transcripts, the expected output of
the kept saves and the texts written in the test sources.

    python3 tools/messageCoverage.py            # the figures and the rules' texts left out
    python3 tools/messageCoverage.py --tables   # the world tables' texts left out too
    python3 tools/messageCoverage.py --all      # every text, shown or not
"""

import argparse
import re
import sys
from pathlib import Path

sys.dont_write_bytecode = True  # no cache folder left in tools/
sys.path.insert(0, str(Path(__file__).resolve().parent))
from mutate import TABLES, code_only, spans  # noqa: E402

ROOT = Path(__file__).resolve().parent.parent

# Whole files of texts the game prints: the world's tables (the ids among
# them hold none).
TABLE_FILES = TABLES
PRINTERS = {"out", "outError", "printf", "fprintf", "puts", "fputs", "snprintf"}
# Texts the game reads or matches, never prints.
NOT_PRINTED = {"static_assert", "sscanf", "strftime", "strspn", "strcmp", "strcmpi", "getenv",
               "find_first_of", "find_first_not_of", "rl_variable_bind", "dlopen", "dlsym"}
# A table row's fields that are printed (ids, paths and words typed are not).
TABLE_FIELDS = re.compile(r"\.(name|species|title|description|good|neutral|bad|help)\s*=\s*$")
DIRECTIVE = re.compile(r"%[-+ #0]*\d*(?:\.\d+)?[hlLzjt]*[diouxXeEfgGcsp%]")
ESCAPES = {"n": "\n", "t": "\t", "\\": "\\", '"': '"', "'": "'", "a": "\a", "0": "\0",
           "r": "\r", "e": "\033"}


def unescape(body):
    """A C++ literal's body as the bytes it stands for."""
    def one(match):
        code = match.group(1)
        if code.startswith("x"):
            return chr(int(code[1:], 16))
        if code[0] in "01234567" and len(code) > 1:
            return chr(int(code, 8))
        return ESCAPES.get(code, code)
    return re.sub(r"\\(x[0-9a-fA-F]+|[0-7]{1,3}|.)", one, body, flags=re.S)


def literals(text):
    """(offset, value) of each run of adjacent string literals."""
    found = []
    for kind, start, end in spans(text):
        if kind != "string":
            continue
        body = text[start + 1:end - 1] if text[start] == '"' else ""
        value = unescape(body)
        if found and text[found[-1][2]:start].strip() == "":
            offset, previous, _ = found[-1]
            found[-1] = (offset, previous + value, end)
        else:
            found.append((start, value, end))
    return [(offset, value) for offset, value, _ in found]


def caller(code, offset):
    """The name of the call whose argument list holds the offset, if any."""
    depth = 0
    for i in range(offset - 1, -1, -1):
        c = code[i]
        if c == ")":
            depth += 1
        elif c == "(":
            if depth == 0:
                match = re.search(r"([A-Za-z_][\w:]*)\s*$", code[:i])
                return match.group(1).split("::")[-1] if match else ""
            depth -= 1
        elif c in ";{}" and depth == 0:
            return ""
    return ""


def messages():
    """(file, line, text) of every text the game can print."""
    found = []
    for path in sorted((ROOT / "src").rglob("*.cpp")):
        rel = path.relative_to(ROOT).as_posix()
        text = path.read_text()
        code = code_only(text)
        for offset, value in literals(text):
            before = code[max(0, offset - 40):offset]
            call = caller(code, offset)
            if call in NOT_PRINTED:
                printed = False
            elif rel in TABLE_FILES:
                printed = bool(TABLE_FIELDS.search(before)) or before.rstrip().endswith(("{", ","))
            else:
                # Handed to a printer, or a sentence kept for one: the rows of
                # reactions, help lines and prompts.
                printed = call in PRINTERS or (" " in value.strip() or value.endswith("\n"))
            if printed and pieces(value):
                found.append((rel, text.count("\n", 0, offset) + 1, value))
    return found


def pieces(value):
    """The parts of a text a test must show: cut at formatting directives,
    colour codes and line ends, and three characters or longer."""
    plain = re.sub(r"\033\[[0-9;]*[A-Za-z]", "\n", value)
    parts = re.split(r"\n|\t", DIRECTIVE.sub("\n", plain))
    return [part.strip() for part in parts if len(part.strip()) >= 3]


def shown_text():
    """Everything the tests expect the game to print, as one text."""
    chunks = []
    tests = ROOT / "tests"
    for path in sorted(tests.rglob("*")):
        if not path.is_file():
            continue
        if path.suffix == ".txt" and "transcripts" in path.parts:
            chunks.append(path.read_text().replace("\\e", "\033").replace("\\\\", "\\"))
        elif path.suffix == ".out":
            chunks.append(path.read_text(errors="replace"))
        elif path.suffix in (".cpp", ".h"):
            chunks.extend(value for _, value in literals(path.read_text()))
    return "\n".join(chunks)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--all", action="store_true", help="list every text, shown or not")
    parser.add_argument("--tables", action="store_true",
                        help="list the world tables' texts left out too")
    args = parser.parse_args()
    shown = shown_text()
    every = messages()
    totals = {}
    for rel, line, value in every:
        left_out = [part for part in pieces(value) if part not in shown]
        if (left_out and (args.tables or rel not in TABLE_FILES)) or args.all:
            print(f"{'-' if left_out else '+'} {rel}:{line}: {value!r}")
        kind = "world tables" if rel in TABLE_FILES else "rules"
        count = totals.setdefault(kind, [0, 0])
        count[0] += 1
        count[1] += not left_out
    for kind, (total, covered) in totals.items():
        print(f"{kind}: {total} texts, shown by a test: {covered} ({100 * covered / total:.1f}%)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
