#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice:
# in the ordinary build and under the address and undefined-behaviour
# sanitizers (with clang, in the build that also holds the fuzz targets),
# and the tests that play real sounds a third time under the thread
# sanitizer. Every warning stops the build. Stops at the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh test
jobs=$(nproc)

run_suite() {
  local preset=$1 started=$SECONDS
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
  echo "== $preset build and tests: $((SECONDS - started)) s"
}

echo "== ordinary build"
run_suite default
echo "== sanitizer build (address, undefined)"
run_suite asan
echo "== thread sanitizer build (the tests that play real sounds)"
run_suite tsan
