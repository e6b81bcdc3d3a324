#!/usr/bin/env bash
# Static checks (formatting, clang-tidy, cppcheck) and a bounded fuzzing run
# of each fuzz target under the address and undefined-behaviour sanitizers.
# The include layers are a test of the suite (IncludeLayers, tools/test.sh).
# Usage: check.sh [format] [tidy] [cppcheck] [fuzz]   (all four when none is named)
# The fuzz targets run side by side, one core each, for a fixed number of
# inputs (9,000 lines for the game, 100,000 files for the loader); FUZZ_SECONDS
# runs each for that long instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh check
jobs=$(nproc)
parts=("$@")
[ ${#parts[@]} -gt 0 ] || parts=(format tidy cppcheck fuzz)

check_format() {
  git ls-files -z '*.cpp' '*.h' '*.c' | xargs -0 clang-format --dry-run --Werror
  echo "clang-format: clean"
}

# Each file once, from the compile commands of the build that compiles it:
# the game, its tests, tools and benchmarks from the ordinary build, the fuzz
# targets from the sanitizer build, the only one that has them. Largest
# first, one file a process, so no core waits idle at the end.
check_tidy() {
  [ -f build/compile_commands.json ] || cmake --preset default >/dev/null
  [ -f build-asan/compile_commands.json ] || cmake --preset asan >/dev/null
  local log=build/tidy.log status=0
  {
    git ls-files 'src/*.cpp' 'tests/*.cpp' 'tools/*.cpp' 'bench/*.cpp' 'bench/*.c' ':!tests/fuzz' |
      sed 's|^|build |'
    git ls-files 'tests/fuzz/*.cpp' | sed 's|^|build-asan |'
  } | while read -r build file; do echo "$(stat -c %s "$file") $build $file"; done |
    sort -rn | cut -d' ' -f2- |
    xargs -P "$jobs" -L 1 sh -c 'clang-tidy -p "$0" --quiet "$1" 2>/dev/null' | tee "$log" ||
    status=$?
  if [ "$status" -ne 0 ] || grep -qE '(warning|error):' "$log"; then
    echo "clang-tidy found problems"
    exit 1
  fi
  echo "clang-tidy: clean"
}

check_cppcheck() {
  cppcheck --enable=warning,performance,portability --std=c++20 --inline-suppr --error-exitcode=1 \
    --quiet -I src/platform -I src/record -I src/rules/world -I src/rules/items \
    -I src/rules/characters -I src/rules/combat -I src/rules/common -I src/game -I src/files -I src/terminal \
    src tools bench tests/fuzz
  echo "cppcheck: clean"
}

# One target from its seeds, for a number of inputs (at least as many as a
# minute of each took when the two ran one after the other, however busy
# the machine), or for FUZZ_SECONDS when set; prints the run's numbers.
fuzz_one() {
  local target=$1 inputs=$2 seeds found status=0 bound
  seeds=$PWD/tests/fuzz/corpus/$(echo "${target#fuzz}" | tr '[:upper:]' '[:lower:]')
  found=$(mktemp -d)
  bound=-runs=$inputs
  [ -z "${FUZZ_SECONDS:-}" ] || bound=-max_total_time=$FUZZ_SECONDS
  build-asan/tests/fuzz/$target "$bound" -print_final_stats=1 \
    "$found" "$seeds" >"$found.log" 2>&1 || status=$?
  grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|SUMMARY)|ERROR' \
    "$found.log" | sed "s|^|$target: |" || true
  rm -rf "$found" "$found.log"
  [ "$status" -eq 0 ] || { echo "$target found a fault"; return 1; }
  echo "$target: no fault found"
}

check_fuzz() {
  [ -f build-asan/CMakeCache.txt ] || cmake --preset asan >/dev/null
  cmake --build --preset fuzz -j "$jobs" >/dev/null
  local game=0 load=0
  fuzz_one fuzzGame 9000 >build-asan/fuzzGame.out 2>&1 &
  local game_pid=$!
  fuzz_one fuzzLoad 100000 >build-asan/fuzzLoad.out 2>&1 || load=$?
  wait "$game_pid" || game=$?
  cat build-asan/fuzzGame.out build-asan/fuzzLoad.out
  [ "$game" -eq 0 ] && [ "$load" -eq 0 ]
}

for part in "${parts[@]}"; do
  case "$part" in
    format | tidy | cppcheck | fuzz)
      echo "== $part"
      "check_$part"
      ;;
    *) echo "usage: $0 [format] [tidy] [cppcheck] [fuzz]" >&2; exit 2 ;;
  esac
done
