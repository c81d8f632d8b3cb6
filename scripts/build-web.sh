#!/usr/bin/env bash
# Builds the game for web browsers, offline, with Debian's emscripten package, and writes a
# folder that any static web server can serve: index.html, bubble-hush.js, bubble-hush.wasm
# and bubble-hush.data (the start-up script and game/data).
# Usage: scripts/build-web.sh [OUTDIR]   (default: build-web/)
# The objects are kept in OUTDIR/obj, so that a second run only rebuilds what changed.
set -euo pipefail

root=$(realpath "$(dirname "$0")/..")
out=$(realpath -m "${1:-$root/build-web}")

command -v emcmake >/dev/null || { echo "emcmake not found: install the package emscripten"; exit 77; }
# Debian's emscripten runs its JavaScript tools with node and finds their modules here, even
# when the node on the PATH is not Debian's.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

# The compiler's cache must be writable; Debian ships its prebuilt libraries read-only, so
# the cache is a folder of our own that points at them.
cache=$out/obj/em-cache
mkdir -p "$cache"
shipped=$(dirname "$(command -v emcc)")/../share/emscripten/cache
[ -d "$shipped" ] || shipped=/usr/share/emscripten/cache
for entry in sysroot sysroot_install.stamp; do
    [ -e "$cache/$entry" ] || ln -s "$shipped/$entry" "$cache/$entry"
done
export EM_CACHE=$cache

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
emcmake cmake -S "$root" -B "$out/obj" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >"$out/obj/configure.log" ||
    { cat "$out/obj/configure.log"; exit 1; }
cmake --build "$out/obj" --target tolm -j "${TOLM_JOBS:-2}"
for file in index.html bubble-hush.js bubble-hush.wasm bubble-hush.data; do
    cp -p "$out/obj/$file" "$out/$file"
done
echo "Built the web version in $out: serve it with"
echo "  python3 -m http.server 8000 --bind 127.0.0.1 --directory $out"
echo "and open http://127.0.0.1:8000/"
