#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice:
# in the ordinary build and under the address and undefined-behaviour
# sanitizers. Stops at the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh test
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
jobs=$(nproc)

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" "${generator[@]}" -DLANTERNMOOR_TESTS=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && ctest --output-on-failure -j "$jobs" --timeout 600)
}

echo "== ordinary build"
run_suite build
echo "== sanitizer build (address, undefined)"
ASAN_OPTIONS=detect_leaks=1 run_suite build-asan -DLANTERNMOOR_SANITIZE=ON
