#!/usr/bin/env bash
# Installs the Debian packages the build needs, and with --test those the tests need too.
# Only missing packages are fetched; sudo is used only when not already root.
set -euo pipefail

packages=(build-essential cmake pkg-config
          libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev libsdl-gfx1.2-dev libpng-dev)
# The virtual display of the README's fallback demonstration where there is no desktop.
packages+=(xvfb xauth)
if [ "${1:-}" = "--test" ]; then
    packages+=(libgtest-dev libgmock-dev libbenchmark-dev
               xvfb xauth xdotool imagemagick x11-apps libx11-dev)
    # The fuzz targets (scripts/fuzz.sh): clang with its libFuzzer and sanitizer runtimes,
    # for the release's default clang (libclang-rt-14-dev on Debian 12).
    packages+=(clang libclang-rt-dev)
    # The check that the committed art matches its sources (scripts/install-art-deps.sh).
    packages+=(librsvg2-bin python3-numpy python3-cairo fonts-comic-neue)
    # The web version (scripts/build-web.sh) and its test in headless Chromium.
    packages+=(emscripten chromium)
    # The bad-data test makes its broken files with Python's standard library.
    packages+=(python3)
    # The package test: cpack's dpkg-shlibdeps, the desktop entry's and metainfo's
    # validators, the icons' renderer, and man to check the man page.
    packages+=(dpkg-dev desktop-file-utils appstream librsvg2-bin man-db file)
fi
# The demonstration played where no display is available (scripts/demo.sh).
if [ "${1:-}" = "--demo" ]; then
    packages+=(xvfb xauth)
fi
# The tools that rebuild the game's art and sound (scripts/install-art-deps.sh).
if [ "${1:-}" = "--art" ]; then
    packages=(librsvg2-bin python3-numpy python3-cairo fonts-comic-neue sox)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
