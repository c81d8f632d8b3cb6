#!/usr/bin/env bash
# Measures the time from starting the game to its first title frame on the screen, in a real
# window under xvfb-run's default screen, over RUNS starts (default 10) of the shipped game.
#   scripts/measure-start.sh BUILD_DIR [RUNS]
# A small preloaded library notes the wall-clock time of every SDL_Flip and a hash of the
# pixels where the title's name is drawn (nothing moves there); the title frame is the first
# flip whose hash is the one still shown 2 s later.
# The start is taken just before exec, so the figure includes loading the program. The game
# plays from the source tree's game/ with --data, as installed: its log goes to a temporary
# HOME's state folder.
# A sanitized build needs ASAN_OPTIONS=verify_asan_link_order=0 for the preloaded library.
set -euo pipefail
build=$(realpath "${1:?usage: $0 BUILD_DIR [RUNS]}")
runs=${2:-10}
source_dir=$(realpath "$(dirname "$0")/..")
if [ -z "${TOLM_IN_XVFB:-}" ]; then
    # xvfb-run's default screen; -noreset, or the server resets after SDL's probe of the
    # display and may refuse the window's own connection (as the tests found).
    TOLM_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
fi
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/flips.c" <<'C'
#include <SDL.h>
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

/* Notes "<ns since the epoch> <pixel hash>" for each of the first flips in $FLIP_LOG. */
int SDL_Flip(SDL_Surface* screen) {
    static int (*real)(SDL_Surface*) = NULL;
    static int count = 0;
    if (real == NULL) real = (int (*)(SDL_Surface*))dlsym(RTLD_NEXT, "SDL_Flip");
    int result = real(screen);
    if (count++ < 400) {
        struct timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        unsigned long long hash = 1469598103934665603ULL;
        if (SDL_LockSurface(screen) == 0) {
            const int bpp = screen->format->BytesPerPixel;
            for (int y = 160; y < 320 && y < screen->h; ++y) {
                const unsigned char* row = (const unsigned char*)screen->pixels + y * screen->pitch;
                for (int x = 100 * bpp; x < 700 * bpp && x < screen->w * bpp; ++x)
                    hash = (hash ^ row[x]) * 1099511628211ULL;
            }
            SDL_UnlockSurface(screen);
        }
        FILE* log = fopen(getenv("FLIP_LOG"), "a");
        if (log != NULL) {
            fprintf(log, "%lld %llx\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec, hash);
            fclose(log);
        }
    }
    return result;
}
C
cc -shared -fPIC -O2 $(pkg-config --cflags sdl) -o "$work/flips.so" "$work/flips.c" -ldl

figures=()
for run in $(seq "$runs"); do
    rm -f "$work/flips.txt"
    start=$(date +%s%N)
    (cd "$work" && HOME="$work" FLIP_LOG="$work/flips.txt" LD_PRELOAD="$work/flips.so" \
        exec "$build/tolm" --data "$source_dir/game" >"$work/stdout.txt" 2>"$work/stderr.txt") &
    pid=$!
    sleep 2
    kill "$pid" 2>/dev/null || { echo "the game ended by itself:"; tail -5 "$work/stderr.txt"; exit 1; }
    wait "$pid" 2>/dev/null || true
    settled=$(tail -1 "$work/flips.txt" | cut -d' ' -f2)
    first=$(awk -v h="$settled" '$2 == h { print $1; exit }' "$work/flips.txt")
    figures+=($(((first - start) / 1000000)))
    echo "run $run: $(((first - start) / 1000000)) ms to the title frame (flip $(grep -n " $settled\$" "$work/flips.txt" | head -1 | cut -d: -f1))"
done
printf '%s\n' "${figures[@]}" | sort -n | awk '{ a[NR] = $1 } END { printf "median %d ms, min %d ms, max %d ms over %d starts\n", a[int((NR + 1) / 2)], a[1], a[NR], NR }'
