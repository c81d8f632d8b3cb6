#!/usr/bin/env bash
# Plays a short demonstration of the game under a virtual X display (Xvfb) with the
# "autoplay" task, for machines without a display, and prints where its screenshots are.
# Usage: scripts/demo.sh [PROGRAM] [SECONDS]   (defaults: build/tolm, 20)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/tolm}")
seconds=${2:-20}
out=$(mktemp -d /tmp/bubble-hush-demo.XXXXXX)
# The program reads autoexec.txt and data/ from its working directory.
ln -s "$root/game/data" "$out/data"
cp "$root/game/autoexec.txt" "$out/autoexec.txt"
echo "starttask(\"autoplay\", \"autoplay\", 60, \"game\", $seconds, 4)" >>"$out/autoexec.txt"
command -v xvfb-run >/dev/null || "$root/scripts/install-deps.sh" --demo
echo "Playing a ${seconds}-second demonstration under Xvfb instead..."
# -noreset: SDL's first connection only probes the display; a server that resets when
# its last client leaves would refuse the window's own connection a moment later.
(cd "$out" && SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" \
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$program")
rm "$out/data"
echo "Screenshots of the demonstration:"
ls "$out"/autoplay_*.png
