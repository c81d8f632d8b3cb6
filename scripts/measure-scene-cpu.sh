#!/usr/bin/env bash
# Measures the CPU share of one core taken by the program and by the X server apart, in a
# real window under Xvfb, with the display sent the whole screen every frame
# (gfx_update_rects = 0) and only what changed (gfx_update_rects = 1). Scenes:
#   scene  the engine's "gfxtest" scene;
#   title  the game with its shipped start-up script, the title picture left alone;
#   play   the game played by the "autoplay" task.
#   scripts/measure-scene-cpu.sh BUILD_DIR [SCENE...]     (default: scene title play)
# Environment: MEASURE_SECONDS (15), MEASURE_WARMUP (3), MEASURE_RUNS (1; with more, each
# figure is the median of the runs), MEASURE_FRAME_SLEEP (sys_frame_sleep, 1).
# CPU time comes from /proc/PID/stat (user + system) of both processes, sampled over the same
# span after the warm-up; the frame rate from the graphics task's "Frames per second" lines.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:?usage: $0 BUILD_DIR [SCENE...]}")
shift
scenes=("$@")
[ ${#scenes[@]} -gt 0 ] || scenes=(scene title play)
seconds=${MEASURE_SECONDS:-15}
warmup=${MEASURE_WARMUP:-3}
runs=${MEASURE_RUNS:-1}
frame_sleep=${MEASURE_FRAME_SLEEP:-1}
if [ -z "${TOLM_IN_XVFB:-}" ]; then
    # -noreset: SDL's first connection only probes the display; a server that resets when
    # its last client leaves would refuse the window's own connection a moment later.
    TOLM_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$build" \
        "${scenes[@]}"
fi
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy
ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# The Xvfb serving this script's display (other servers may run beside it).
xserver_pid() {
    local dir
    for dir in /proc/[0-9]*; do
        [ "$(basename "$(readlink "$dir/exe" 2>/dev/null)")" = Xvfb ] || continue
        if tr '\0' '\n' <"$dir/cmdline" 2>/dev/null | grep -qxF -- "$DISPLAY"; then
            basename "$dir"
            return 0
        fi
    done
    return 1
}
xserver=$(xserver_pid) || {
    echo "no Xvfb process found for display $DISPLAY" >&2
    exit 1
}

percent() {
    awk -v t="$1" -v hz="$ticks_per_second" -v s="$seconds" 'BEGIN { printf "%.1f", 100 * t / hz / s }'
}
median() { tr ' ' '\n' | grep . | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Writes the start-up script of a scene into the current directory.
write_script() {
    local scene=$1 update_rects=$2
    case "$scene" in
        scene)
            cat >autoexec.txt <<SCRIPT
taskload("sdl");
starttask("window", "window", 1000, 800, 600, 32, 0, 0, "Tolm scene")
starttask("event", "event", 10)
starttask("gfx", "gfx", 100)
starttask("gfxtest", "scene", 50)
SCRIPT
            ;;
        title | play)
            ln -s "$root/game/data" data
            cp "$root/game/autoexec.txt" autoexec.txt
            [ "$scene" = title ] || echo 'starttask("autoplay", "autoplay", 60)' >>autoexec.txt
            ;;
        *)
            echo "unknown scene $scene (scene, title or play)" >&2
            exit 2
            ;;
    esac
    printf 'sys_frame_sleep = %s\ngfx_log_fps = 1\ngfx_update_rects = %s\n' "$frame_sleep" \
        "$update_rects" >>autoexec.txt
}

# One run: prints "PROGRAM_TICKS XSERVER_TICKS FPS..." for the span measured.
measure_once() {
    local scene=$1 update_rects=$2 work pid before after xbefore xafter
    work=$(mktemp -d)
    (cd "$work" && write_script "$scene" "$update_rects")
    (cd "$work" && exec "$build/tolm" >/dev/null 2>&1) &
    pid=$!
    sleep "$warmup"
    kill -0 "$pid" 2>/dev/null || {
        echo "the program ended during the warm-up" >&2
        exit 1
    }
    before=$(cpu_ticks "$pid")
    xbefore=$(cpu_ticks "$xserver")
    sleep "$seconds"
    after=$(cpu_ticks "$pid")
    xafter=$(cpu_ticks "$xserver")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$((after - before)) $((xafter - xbefore))" \
        "$(grep -o 'Frames per second: [0-9.]*' "$work/log.txt" | awk '{ print $4 }' | tr '\n' ' ')"
    rm -rf "$work"
}

for scene in "${scenes[@]}"; do
    for update_rects in 0 1; do
        programs=() servers=() sums=() fps=""
        for _ in $(seq "$runs"); do
            read -r program server rates < <(measure_once "$scene" "$update_rects")
            programs+=("$(percent "$program")")
            servers+=("$(percent "$server")")
            sums+=("$(percent $((program + server)))")
            fps="$fps ${rates:-}"
        done
        program=$(echo "${programs[*]}" | median)
        server=$(echo "${servers[*]}" | median)
        together=$(echo "${sums[*]}" | median)
        printf '%-5s gfx_update_rects=%s: program %4s%%, X server %4s%%, together %4s%% of one core' \
            "$scene" "$update_rects" "$program" "$server" "$together"
        [ "$runs" -eq 1 ] || printf ' (medians of %s runs; together: %s)' "$runs" "${sums[*]}"
        echo "; ${seconds} s after ${warmup} s; frames per second (5 s spans):$fps"
    done
done
