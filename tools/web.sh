#!/usr/bin/env bash
# The game in a web page. Installs what is missing (emscripten from Debian,
# the terminal widget from npm), then builds:
#   build-web/site/              the page and everything it loads
#   build-web/lanternmoor-node   the same WebAssembly core under Node, piped
# Usage:
#   bash tools/web.sh            build, then serve the site on http://127.0.0.1:8000/
#   bash tools/web.sh build      build only
#   bash tools/web.sh test       build, then run the web tests (builds build/lanternmoor
#                                for the comparison)
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-serve}

if [ "$mode" = test ]; then bash tools/install-deps.sh web-test; else bash tools/install-deps.sh web; fi
# The terminal widget and the browser driver, exactly as the lock file has them.
if [ ! -d node_modules ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
  npm ci --no-audit --no-fund
fi

# Debian's emscripten runs its own tools on the machine's Node.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
emcmake cmake -S web -B build-web/cmake "${generator[@]}" >/dev/null
nice -n 10 cmake --build build-web/cmake -j 2

# The site: the page, the terminal widget, the game and its sounds, and a
# service worker that keeps them all for playing offline.
site=build-web/site
rm -rf "$site"
mkdir -p "$site/sound"
cp web/page/index.html web/page/app.js web/page/style.css web/page/icon.svg \
  web/page/manifest.webmanifest "$site/"
cp node_modules/@xterm/xterm/lib/xterm.js node_modules/@xterm/xterm/css/xterm.css \
  node_modules/@xterm/addon-fit/lib/addon-fit.js "$site/"
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
test)
  # The terminal program to compare with, built from this very tree.
  [ -f build/CMakeCache.txt ] || cmake -S . -B build "${generator[@]}" >/dev/null
  nice -n 10 cmake --build build -j 2 --target lanternmoor
  # The glue's own checks, as tools/check.sh makes them of the game.
  clang-format --dry-run --Werror web/*.cpp web/*.h
  cppcheck --enable=warning,performance,portability --std=c++20 --inline-suppr --error-exitcode=1 \
    --quiet -I src/platform -I src/record -I src/game -I web web
  node --test tests/web/
  ;;
serve) exec node web/serve.js "$site" 8000 ;;
*) echo "usage: bash tools/web.sh [build|test]" >&2; exit 2 ;;
esac
