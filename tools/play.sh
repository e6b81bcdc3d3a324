#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game from the repository
# root (the game reads sound/ and writes saves/ where it is started).
# Options are passed on, e.g. tools/play.sh --no-audio
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh play
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
[ -f build/CMakeCache.txt ] || cmake -S . -B build "${generator[@]}" -DLANTERNMOOR_TESTS=OFF >/dev/null
cmake --build build --target lanternmoor >/dev/null
exec ./build/lanternmoor "$@"
