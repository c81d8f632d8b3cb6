#!/usr/bin/env bash
# Measures the CPU share of one core and the frame rate of the "gfxtest" scene in a real
# window under Xvfb, with the main loop's sleep between frames off and on.
#   scripts/measure-scene-cpu.sh BUILD_DIR [SECONDS]
# CPU time comes from /proc/PID/stat (user + system), sampled after a 2 s warm-up; the frame
# rate from the graphics task's "Frames per second" log lines over the same span.
set -euo pipefail
build=$(realpath "${1:?usage: $0 BUILD_DIR [SECONDS]}")
seconds=${2:-10}
if [ -z "${TOLM_IN_XVFB:-}" ]; then
    TOLM_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"
fi
unset SDL_VIDEODRIVER
ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

for sleep in 0 1; do
    work=$(mktemp -d)
    cat >"$work/autoexec.txt" <<SCRIPT
taskload("sdl");
sys_frame_sleep = $sleep
gfx_log_fps = 1
starttask("window", "window", 1000, 800, 600, 32, 0, 0, "Tolm scene")
starttask("event", "event", 10)
starttask("gfx", "gfx", 100)
starttask("gfxtest", "scene", 50)
SCRIPT
    (cd "$work" && exec "$build/tolm" >/dev/null 2>&1) &
    pid=$!
    sleep 2
    before=$(cpu_ticks "$pid")
    sleep "$seconds"
    after=$(cpu_ticks "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    cpu=$(awk -v t=$((after - before)) -v hz="$ticks_per_second" -v s="$seconds" \
        'BEGIN { printf "%.1f", 100 * t / hz / s }')
    fps=$(grep -o 'Frames per second: [0-9.]*' "$work/log.txt" | awk '{ print $4 }' | tr '\n' ' ')
    echo "sys_frame_sleep=$sleep: CPU ${cpu}% of one core over ${seconds} s; frames per second (5 s spans): $fps"
    rm -rf "$work"
done
