#!/usr/bin/env bash
# The game in a web page. Installs what is missing (emscripten from Debian,
# the browser test's tools from npm), then builds:
#   build-web/site/              the page and everything it loads
#   build-web/lanternmoor-node   the same WebAssembly core under Node, piped
# Usage:
#   bash tools/web.sh            build, then serve the site on http://127.0.0.1:8000/
#   bash tools/web.sh build      build only
#   bash tools/web.sh dist       build, then write the site as one zip for a static
#                                host: build-web/lanternmoor-site.zip
#   bash tools/web.sh test       build, then run the web tests (builds build/lanternmoor
#                                for the comparison)
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-serve}

if [ "$mode" = test ]; then bash tools/install-deps.sh web-test; else bash tools/install-deps.sh web; fi
# The browser driver and the accessibility audit, exactly as the lock file has them.
if [ ! -d node_modules ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
  npm ci --no-audit --no-fund
fi

# Debian's emscripten runs its own tools on the machine's Node.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
emcmake cmake -S web -B build-web/cmake "${generator[@]}" >/dev/null
nice -n 10 cmake --build build-web/cmake -j 2

# The site: the page, the game and its sounds, and a
# service worker that keeps them all for playing offline.
site=build-web/site
rm -rf "$site"
mkdir -p "$site/sound"
cp web/page/index.html web/page/*.js web/page/style.css web/page/icon.svg \
  web/page/manifest.webmanifest "$site/"
rm "$site/sw.js"
cp build-web/cmake/lanternmoor.js build-web/cmake/lanternmoor.wasm "$site/"
cp sound/*.ogg "$site/sound/"
files=$(cd "$site" && find . -type f ! -name sw.js | sed 's|^\./||' | LC_ALL=C sort)
version=$(cd "$site" && cat $files | sha256sum | cut -c1-16)
list=$(printf "'%s', " $files)
sed -e "s|@VERSION@|$version|" -e "s|@FILES@|${list%, }|" web/page/sw.js > "$site/sw.js"

# The Node program.
mkdir -p build-web/node
cp web/node/host.js build-web/cmake/lanternmoor-core-node.js \
  build-web/cmake/lanternmoor-core-node.wasm build-web/node/
cp web/node/lanternmoor-node build-web/lanternmoor-node
chmod +x build-web/lanternmoor-node

case "$mode" in
build) ;;
dist)
  # The site's files at the zip's top, in order and with one date, so the
  # same site always makes the same zip.
  python3 - "$site" build-web/lanternmoor-site.zip <<'PACK'
import os, sys, zipfile
site, target = sys.argv[1], sys.argv[2]
files = sorted(os.path.relpath(os.path.join(folder, name), site)
               for folder, _, names in os.walk(site) for name in names)
with zipfile.ZipFile(target, 'w', zipfile.ZIP_DEFLATED) as archive:
    for name in files:
        entry = zipfile.ZipInfo(name, (1980, 1, 1, 0, 0, 0))
        entry.compress_type = zipfile.ZIP_DEFLATED
        entry.external_attr = 0o644 << 16
        with open(os.path.join(site, name), 'rb') as source:
            archive.writestr(entry, source.read())
PACK
  echo "The site is in build-web/lanternmoor-site.zip ($(du -k build-web/lanternmoor-site.zip | cut -f1) KB)."
  ;;
test)
  # The terminal program to compare with, built from this very tree.
  [ -f build/CMakeCache.txt ] || cmake -S . -B build "${generator[@]}" >/dev/null
  nice -n 10 cmake --build build -j 2 --target lanternmoor
  # The glue's own checks, as tools/check.sh makes them of the game.
  clang-format --dry-run --Werror web/*.cpp web/*.h
  cppcheck --enable=warning,performance,portability --std=c++20 --inline-suppr --error-exitcode=1 \
    --quiet -I src/platform -I src/record -I src/game -I src/files -I web web
  node --test tests/web/
  ;;
serve) exec node web/serve.js "$site" 8000 ;;
*) echo "usage: bash tools/web.sh [build|dist|test]" >&2; exit 2 ;;
esac
