#!/usr/bin/env bash
# Measures start-up, a long scripted session, and the in-process hot paths.
# Figures, not pass/fail: compare them with the targets in the README.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v hyperfine >/dev/null || { sudo=(); [ "$(id -u)" -eq 0 ] || sudo=(sudo);
  "${sudo[@]}" apt-get install -y -qq hyperfine time >/dev/null; }
bash tools/install-deps.sh play
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$PWD/sound" "$work/sound"
game=$PWD/build-bench/lanternmoor
floor=$PWD/build-bench/bench/readlineOnly
timer=$PWD/build-bench/bench/promptTimer

echo "== Start-up to the first prompt (median of 300 starts, through a pipe)"
(cd "$work" && "$timer" 300 "$floor" -- "$game" --no-audio -- "$game")

echo "== A 100,000-line scripted session"
python3 - "$work/session.txt" <<'PY'
import sys
loop = ["look", "go north", "get Mushroom", "go south", "inventory", "stats", "time",
        "go east", "talk Greedo", "no", "go west", "wait", "listen", "drop Mushroom",
        "get item", "history", "hug statue", "look statue", "think", "sound"]
lines = ["1", "Bench", "m"]
while len(lines) < 100000:
    lines += loop
open(sys.argv[1], "w").write("\n".join(lines[:100000]) + "\nquit\n")
PY
(cd "$work" && /usr/bin/time -f '%e s wall, %M KB peak' "$game" --no-audio < session.txt > /dev/null) 2>&1 |
  awk '{ print; split($1, t, " "); printf "%.0f commands per second\n", 100000 / $1 }'

echo "== In-process hot paths"
bench=$PWD/build-bench/bench/commandBench
(cd "$work" && "$bench")
