#!/usr/bin/env python3
"""Fails when an include in src/ runs from a lower layer to a higher one, or
when the modules (a header and its source file) include each other in a cycle.
The build's include paths already stop most upward includes; this also catches
the ones a folder's own files can always see."""
import re
import sys
from pathlib import Path

# From the ground up; a file may include only from its own layer and below.
# "files" (POSIX files, for the front ends) stands above the game so that no
# layer up to the game may include it; the build lets it see only the platform.
LAYERS = ["platform", "record", "rules/common", "rules/world", "rules/items",
          "rules/characters", "rules/combat", "game", "files", "terminal"]
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def main():
    src = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent.parent / "src")
    files = sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp"))
    layer_of = {}
    for path in files:
        folder = path.parent.relative_to(src).as_posix()
        if folder not in LAYERS:
            return fail(f"{path}: not in a layer folder ({', '.join(LAYERS)})")
        layer_of[path.name] = LAYERS.index(folder)
    problems = []
    graph = {}
    for path in files:
        module = path.stem
        for name in INCLUDE.findall(path.read_text()):
            if name not in layer_of:
                continue
            if layer_of[name] > layer_of[path.name]:
                problems.append(f"{path.relative_to(src)}: includes {name} from a higher layer")
            if Path(name).stem != module:
                graph.setdefault(module, set()).add(Path(name).stem)
    problems += [f"include cycle: {' -> '.join(c)}" for c in cycles(graph)]
    for problem in problems:
        print(problem)
    return 1 if problems else 0


def cycles(graph):
    found, state = [], {}

    def visit(node, path):
        state[node] = "open"
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == "open":
                found.append(path[path.index(nxt):] + [nxt])
            elif nxt not in state:
                visit(nxt, path + [nxt])
        state[node] = "done"

    for node in sorted(graph):
        if node not in state:
            visit(node, [node])
    return found


def fail(message):
    print(message)
    return 1


if __name__ == "__main__":
    sys.exit(main())
