#!/usr/bin/env bash
# Builds the Debian package in the release configuration the game ships with
# and prints its path: build-package/lanternmoor_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh package
cmake --preset package >/dev/null
cmake --build --preset package -j "$(nproc)" >/dev/null
rm -f build-package/lanternmoor_*.deb
(cd build-package && cpack >cpack.log 2>&1) || { cat build-package/cpack.log >&2; exit 1; }
ls "$PWD"/build-package/lanternmoor_*.deb
