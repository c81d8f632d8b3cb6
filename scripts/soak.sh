#!/usr/bin/env bash
# Soaks the sanitized game: it plays from a copy of the game directory under Xvfb with
# "autoplay" while a second process sends random pointer moves, clicks and drags, the
# console keys (` and F1), typed text, BackSpace and Return through real X events. Resident
# memory is sampled every 30 s; at the end the window is closed as a window manager would.
#   scripts/soak.sh MINUTES [PROGRAM]       (PROGRAM defaults to build-test/tolm)
# It fails on an early end, any sanitizer report, an exit code other than 0 after the close,
# or resident memory that grows by more than SOAK_GROWTH_MB (default 32) over the sample
# taken after the warm-up: 2 minutes, or half the run when it is shorter than 4 minutes.
# AddressSanitizer's quarantine of freed blocks is cut to 16 MB: at its default of 256 MB
# it filled for minutes and resident memory swung by 15 MB either way (291 MB at 2 min,
# 299 to 336 MB later), which hides a leak. With 16 MB a 15-minute run stayed between 72
# and 93 MB and rose 15 MB after the first two minutes, levelling off after nine; the bound
# is about twice that, and a leak of 40 kB per console opening (about one a second here)
# goes over it within 15 minutes.
# Exit codes: 0 clean, 1 a fault, 77 a needed tool missing.
set -uo pipefail

if [ -z "${TOLM_IN_XVFB:-}" ]; then
    minutes=${1:?usage: $0 MINUTES [PROGRAM]}
    root=$(cd "$(dirname "$0")/.." && pwd)
    program=${2:-$root/build-test/tolm}
    [[ $minutes =~ ^[0-9]+$ ]] && [ "$minutes" -ge 1 ] ||
        { echo "MINUTES must be a whole number of at least 1"; exit 1; }
    [ -x "$program" ] || { echo "no program at $program"; exit 1; }
    for tool in xvfb-run xdotool; do
        command -v "$tool" >/dev/null ||
            { echo "SKIP: $tool is missing (scripts/install-deps.sh --test installs it)"; exit 77; }
    done
    [ -x "$(dirname "$program")/x11_close_window" ] ||
        { echo "SKIP: $(dirname "$program")/x11_close_window was not built (needs libx11-dev)"; exit 77; }
    TOLM_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" \
        bash "$0" "$minutes" "$(realpath "$program")" "$root"
fi

minutes=$1
program=$2
root=$3
closer="$(dirname "$program")/x11_close_window"
growth_mb=${SOAK_GROWTH_MB:-32}
warmup=120
[ "$minutes" -lt 4 ] && warmup=$((minutes * 30))
duration=$((minutes * 60))

work=$(mktemp -d "${TMPDIR:-/tmp}/tolm-soak.XXXXXX")
cd "$work" || exit 1
ln -s "$root/game/data" data
cp "$root/game/autoexec.txt" autoexec.txt
echo 'starttask("autoplay", "autoplay", 60, "game")' >>autoexec.txt
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="quarantine_size_mb=16${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
# libX11 leaks a few bytes from inside itself under Xvfb.
printf 'leak:libX11.so\n' >lsan.supp
export LSAN_OPTIONS="suppressions=$work/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

"$program" >stdout.txt 2>stderr.txt &
pid=$!
inputs_pid=

finish() {
    [ -n "$inputs_pid" ] && kill "$inputs_pid" 2>/dev/null && wait "$inputs_pid" 2>/dev/null
    if [ "$1" -eq 0 ]; then
        cd / && rm -rf "$work"
        echo PASS
    else
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
        echo "--- last lines of log.txt"
        tail -15 log.txt 2>/dev/null
        echo "--- sanitizer report"
        grep -E -A12 '[A-Za-z]Sanitizer: |runtime error:' stderr.txt | head -40
        echo "FAIL: kept in $work"
    fi
    exit "$1"
}
fail() { echo "FAIL: $*"; finish 1; }
report() { grep -E '[A-Za-z]Sanitizer: |runtime error:' stderr.txt | head -1; }
inputs() { stat -c %s inputs.txt 2>/dev/null || echo 0; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null; }

wid=$(timeout 60 xdotool search --sync --name '^Bubble Hush$' | head -1)
[ -n "$wid" ] || fail "no window named \"Bubble Hush\""

# The random input, until it is stopped; inputs.txt grows by one byte per input sent.
send_inputs() {
    local text chars='abcdefghijklmnopqrstuvwxyz0123456789 _=+-*/(),;."'
    RANDOM=$$
    xdotool windowfocus --sync "$wid" 2>/dev/null
    while kill -0 "$pid" 2>/dev/null; do
        case $((RANDOM % 20)) in
            0 | 1 | 2 | 3 | 4 | 5 | 6) xdotool mousemove --window "$wid" $((RANDOM % 800)) $((RANDOM % 600)) ;;
            7 | 8 | 9) xdotool mousemove --window "$wid" $((RANDOM % 800)) $((RANDOM % 600)) click 1 ;;
            10)
                xdotool mousemove --window "$wid" $((RANDOM % 800)) $((RANDOM % 600)) mousedown 1 \
                    mousemove --window "$wid" $((RANDOM % 800)) $((RANDOM % 600)) mouseup 1
                ;;
            11) xdotool key grave ;;
            12) xdotool key F1 ;;
            13 | 14 | 15)
                # Words that name no command: a random line must not quit or stop a task.
                text=
                for _ in $(seq $((RANDOM % 12 + 1))); do text+=${chars:$((RANDOM % ${#chars})):1}; done
                [[ $text =~ quit|stop|pause|load|bind|task|shot|full|size|name|icon|sleep|flip ]] ||
                    xdotool type --delay 15 -- "$text"
                ;;
            16 | 17) xdotool key Return ;;
            18) xdotool key BackSpace ;;
            19) xdotool windowfocus "$wid" 2>/dev/null ;;
        esac
        printf . >>inputs.txt
        sleep 0.0$((RANDOM % 10))
    done
}
send_inputs >/dev/null 2>&1 &
inputs_pid=$!

echo "soak: $minutes min, memory growth bound $growth_mb MB after $warmup s, samples every 30 s"
start=$(date +%s)
base_kb=
peak_kb=0
for elapsed in $(seq 30 30 "$duration"); do
    while [ $(($(date +%s) - start)) -lt "$elapsed" ]; do
        kill -0 "$pid" 2>/dev/null || break 2
        sleep 1
    done
    kb=$(rss_kb)
    [ -n "$kb" ] || break
    echo "$(printf '%4d' "$elapsed") s  resident $((kb / 1024)) MB ($kb kB)  inputs $(inputs)"
    [ -n "$(report)" ] && fail "sanitizer report: $(report)"
    if [ "$elapsed" -eq "$warmup" ]; then
        base_kb=$kb
    elif [ -n "$base_kb" ] && [ "$kb" -gt "$peak_kb" ]; then
        peak_kb=$kb
    fi
done
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    rc=$?
    fail "the game ended by itself after $(($(date +%s) - start)) s with code $rc $(report)"
fi
kill "$inputs_pid" 2>/dev/null
wait "$inputs_pid" 2>/dev/null
inputs_pid=
echo "random inputs sent: $(inputs)"

"$closer" "$wid" || fail "could not send WM_DELETE_WINDOW"
timeout 30 tail --pid="$pid" -f /dev/null || fail "still running 30 s after the close request"
wait "$pid"
rc=$?
[ -n "$(report)" ] && fail "sanitizer report: $(report)"
[ "$rc" -eq 0 ] || fail "exit code $rc after the close request"
if [ -n "$base_kb" ] && [ "$peak_kb" -gt 0 ]; then
    growth_kb=$((peak_kb - base_kb))
    echo "growth after $warmup s: $((growth_kb / 1024)) MB ($growth_kb kB)"
    [ "$growth_kb" -le $((growth_mb * 1024)) ] ||
        fail "resident memory grew by $((growth_kb / 1024)) MB after $warmup s (bound $growth_mb MB)"
fi
echo "closed cleanly with code 0 after $(($(date +%s) - start)) s"
finish 0
