#!/usr/bin/env bash
# Builds the Debian package in the release configuration the game ships with
# and prints its path: build-package/lanternmoor_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh package
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B build-package "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX=/usr -DLANTERNMOOR_TESTS=OFF >/dev/null
cmake --build build-package -j "$(nproc)" >/dev/null
rm -f build-package/lanternmoor_*.deb
(cd build-package && cpack >cpack.log 2>&1) || { cat build-package/cpack.log >&2; exit 1; }
ls "$PWD"/build-package/lanternmoor_*.deb
