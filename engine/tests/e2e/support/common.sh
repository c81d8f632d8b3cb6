# Shared by the end-to-end scripts: each runs the built program in a fresh directory with
# its own autoexec.txt and checks the exit code and log.txt.
set -u

# Runs the calling script again inside a fresh Xvfb, unless it already runs in one; skips
# (77) when xvfb-run or one of the tools named is missing. -noreset: SDL's first connection
# only probes the display; a server that resets when its last client leaves would refuse
# the window's own connection a moment later.
# Use, before anything else: in_xvfb [TOOL...] -- "$@"
in_xvfb() {
    [ -n "${TOLM_IN_XVFB:-}" ] && return 0
    local tool
    for tool in xvfb-run "$@"; do
        [ "$tool" = "--" ] && break
        command -v "$tool" >/dev/null || {
            echo "SKIP: $tool is missing (scripts/install-deps.sh --test installs it)"
            exit 77
        }
    done
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do shift; done
    [ $# -gt 0 ] && shift
    TOLM_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" "$@"
}

e2e_setup() {
    tolm=$(realpath "$1")
    source_dir=$(realpath "$2")
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cd "$work" || exit 1
}

# After e2e_setup, for a game in a real X window: SDL finds the X display, sound goes
# nowhere, and LeakSanitizer leaves alone the few allocations libX11 keeps until exit.
x11_setup() {
    unset SDL_VIDEODRIVER
    export SDL_AUDIODRIVER=dummy
    printf 'leak:libX11.so\n' >lsan.supp
    export LSAN_OPTIONS="suppressions=$work/lsan.supp"
}

fail() {
    echo "FAIL: $*"
    echo "--- log.txt"
    cat log.txt 2>/dev/null
    echo "--- stderr"
    cat stderr.txt 2>/dev/null
    exit 1
}

# Runs the program; a loop that does not end is a failure, not a hung test.
run_tolm() {
    timeout 60 "$tolm" >stdout.txt 2>stderr.txt
    rc=$?
    [ "$rc" -eq 0 ] || fail "exit code $rc"
}

HYPHENS="( ) --------------------------------------------------------------"

expect_header() {
    [ -f log.txt ] || fail "no log.txt"
    [ "$(sed -n 1p log.txt)" = "$HYPHENS" ] || fail "header line 1"
    sed -n 2p log.txt | grep -qE '^\( \) New log created on [A-Z][a-z]{2},[A-Z][a-z]{2} [0-9]{2},[0-9]{2}:[0-9]{2} (AM|PM)$' ||
        fail "header line 2"
    [ "$(sed -n 3p log.txt)" = "( ) Using Tolm version 0.22" ] || fail "header line 3"
    sed -n 4p log.txt | grep -q '^( ) Build in .* at ' || fail "header line 4"
    [ "$(sed -n 5p log.txt)" = "$HYPHENS" ] || fail "header line 5"
}

expect_line_count() {
    [ "$(wc -l <log.txt)" -eq "$1" ] || fail "expected $1 log lines"
}

expect_line() {
    grep -qxF -- "$1" log.txt || fail "missing log line: $1"
}

# Line numbers of two exact lines must be in this order.
expect_order() {
    local first second
    first=$(grep -nxF -- "$1" log.txt | head -1 | cut -d: -f1)
    second=$(grep -nxF -- "$2" log.txt | head -1 | cut -d: -f1)
    [ -n "$first" ] && [ -n "$second" ] && [ "$first" -lt "$second" ] ||
        fail "expected \"$1\" before \"$2\""
}

# Starts the program in the background and waits for its window named $1: sets pid and wid.
# stop_program ends it; die ends it and fails the test.
start_in_window() {
    "$tolm" >stdout.txt 2>stderr.txt &
    pid=$!
    wid=$(timeout 30 xdotool search --sync --name "^$1\$" | head -1)
    [ -n "$wid" ] || die "no window named \"$1\""
}
stop_program() { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }
die() { stop_program; fail "$@"; }

# The 64-bit FNV-1a hash of a file, in the form a recording's header holds its start-up
# script's.
script_hash() {
    /usr/bin/python3 -c '
import sys
h = 0xcbf29ce484222325
for b in open(sys.argv[1], "rb").read():
    h = ((h ^ b) * 0x100000001b3) & 0xffffffffffffffff
print("%016x" % h)' "$1"
}
