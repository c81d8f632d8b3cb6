#!/usr/bin/env bash
# The browser test: builds the web version into BUILD_DIR/web (scripts/build-web.sh) and plays
# it in headless Chromium (web_test.py). Skipped (77) only where emscripten or chromium is
# missing; scripts/install-deps.sh --test installs both.
# Usage: web.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
build=$1
source=$2
if ! command -v emcmake >/dev/null; then
    echo "SKIP: emscripten is not installed (scripts/install-deps.sh --test installs it)"
    exit 77
fi
if ! command -v chromium >/dev/null; then
    echo "SKIP: chromium is not installed (scripts/install-deps.sh --test installs it)"
    exit 77
fi
bash "$source/scripts/build-web.sh" "$build/web" || exit 1
exec /usr/bin/python3 "$source/engine/tests/web/web_test.py" "$build/web" "$build"
