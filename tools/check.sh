#!/usr/bin/env bash
# Static checks (include layers, formatting, clang-tidy, cppcheck) and a bounded fuzzing run
# of each fuzz target under the address and undefined-behaviour sanitizers.
# FUZZ_SECONDS sets how long each target runs (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh check
jobs=$(nproc)

echo "== include layers"
python3 tools/checkIncludes.py
echo "include layers: clean"

echo "== clang-format"
git ls-files -z '*.cpp' '*.h' '*.c' | xargs -0 clang-format --dry-run --Werror
echo "clang-format: clean"

echo "== clang-tidy"
# The game, its tests, tools and benchmarks from the tidy build's compile
# commands; the fuzz targets from the fuzz build's, the only one that has them.
cmake --preset tidy >/dev/null
cmake --preset fuzz >/dev/null
tidy() {
  local build=$1; shift
  git ls-files -z "$@" | xargs -0 -P "$jobs" -n 4 clang-tidy -p "$build" --quiet 2>/dev/null
}
{
  tidy build-tidy 'src/*.cpp' 'tests/*.cpp' 'tools/*.cpp' 'bench/*.cpp' 'bench/*.c' ':!tests/fuzz'
  tidy build-fuzz 'tests/fuzz/*.cpp'
} | tee build-tidy/tidy.log
if grep -qE '(warning|error):' build-tidy/tidy.log; then echo "clang-tidy found problems"; exit 1; fi
echo "clang-tidy: clean"

echo "== cppcheck"
cppcheck --enable=warning,performance,portability --std=c++20 --inline-suppr --error-exitcode=1 \
  --quiet -I src/platform -I src/record -I src/rules/world -I src/rules/items \
  -I src/rules/characters -I src/rules/combat -I src/rules/common -I src/game -I src/terminal \
  src tools bench tests/fuzz
echo "cppcheck: clean"

echo "== fuzzing (${FUZZ_SECONDS:-60} s each)"
cmake --build --preset fuzz -j "$jobs" >/dev/null
for target in fuzzGame fuzzLoad; do
  seeds=$PWD/tests/fuzz/corpus/$(echo "${target#fuzz}" | tr '[:upper:]' '[:lower:]')
  found=$(mktemp -d)
  status=0
  build-fuzz/tests/fuzz/$target -max_total_time="${FUZZ_SECONDS:-60}" -print_final_stats=1 \
    "$found" "$seeds" >"$found.log" 2>&1 || status=$?
  grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|SUMMARY)|ERROR' \
    "$found.log" || true
  rm -rf "$found" "$found.log"
  [ "$status" -eq 0 ] || { echo "$target found a fault"; exit 1; }
  echo "$target: no fault found"
done
