#!/usr/bin/env bash
# Installs the Debian packages Lanternmoor needs to build, play and test,
# skipping whatever is already there.
# Usage: install-deps.sh [play|test|check|package|web|web-test|ci]
# (ci: everything CI uses, in one apt-get call)
set -euo pipefail

play_packages=(cmake ninja-build g++ pkg-config zlib1g-dev libreadline-dev
               libvorbis-dev libogg-dev libao-dev)
test_packages=(libgtest-dev)
check_packages=(clang libclang-rt-14-dev clang-tidy cppcheck)
# Building the Debian package, and its test: installing it, playing it, reading its manual.
package_packages=(dpkg-dev file groff-base man-db strace)
# The game in a web page: emscripten, Node and npm, and for its tests the
# browser, a fixed clock, and the glue's own checks. A package named with
# its command is not wanted where that command is there already (Node from
# elsewhere brings its own npm).
web_packages=(emscripten:emcc nodejs:node npm:npm)
web_test_packages=(chromium:chromium faketime:faketime clang-format:clang-format cppcheck)

wanted=("${play_packages[@]}")
case "${1:-play}" in
  play) ;;
  test) wanted+=("${test_packages[@]}") ;;
  check) wanted+=("${test_packages[@]}" "${check_packages[@]}") ;;
  package) wanted+=("${package_packages[@]}") ;;
  web) wanted=("${web_packages[@]}" cmake) ;;
  web-test) wanted+=("${web_packages[@]}" "${web_test_packages[@]}") ;;
  ci) wanted+=("${test_packages[@]}" "${check_packages[@]}" "${package_packages[@]}"
               "${web_packages[@]}" "${web_test_packages[@]}") ;;
  *) echo "usage: $0 [play|test|check|package|web|web-test|ci]" >&2; exit 2 ;;
esac

missing=()
for entry in "${wanted[@]}"; do
  package=${entry%%:*}
  [ "$package" = "$entry" ] || ! command -v "${entry#*:}" >/dev/null || continue
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
# A CI machine is thrown away after the run: dpkg need not wait for the disk.
unsafe_io=()
[ "${1:-play}" != ci ] || unsafe_io=(-o Dpkg::Options::=--force-unsafe-io)
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${unsafe_io[@]}" "${missing[@]}" \
  </dev/null >/dev/null
