# Shared by the install and package tests: each runs an installed bubble-hush from a working
# directory without autoexec.txt, with HOME and the XDG folders in its own temporary folder.
set -u

install_setup() {
    build_dir=$(realpath "$1")
    source_dir=$(realpath "$2")
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir "$work/elsewhere" "$work/home"
    cd "$work/elsewhere" || exit 1
    export HOME="$work/home"
    unset XDG_STATE_HOME XDG_DATA_HOME XDG_CONFIG_HOME
    # The program may be built with AddressSanitizer; libX11 leaks a little by itself.
    printf 'leak:libX11.so\n' >"$work/lsan.supp"
    export LSAN_OPTIONS="suppressions=$work/lsan.supp"
    state="$HOME/.local/state/bubble-hush"
}

fail() {
    echo "FAIL: $*"
    for file in "$work/stderr.txt" "${state:-}/log.txt"; do
        [ -f "$file" ] && { echo "--- $file"; tail -20 "$file"; }
    done
    exit 1
}

need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || {
            echo "SKIPPED: $tool is missing (scripts/install-deps.sh --test installs it)"
            exit 77
        }
    done
}

# A listing of a tree with sizes and times, to show that nothing in it changed.
snapshot() { find "$1" -printf '%p %s %T@\n' | sort; }

# Runs PROGRAM [ARGS...] in the background until its window is up and a few frames have
# passed, then ends it with SIGTERM as a session would; it must end with 0.
run_until_term() {
    env --default-signal=INT "$@" >"$work/stdout.txt" 2>"$work/stderr.txt" &
    local pid=$! log=""
    for _ in $(seq 150); do
        log=$(ls "$state/log.txt" 2>/dev/null)
        [ -n "$log" ] && grep -q '^( ) New window created succesfully$' "$log" && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    sleep 1.5
    kill -s TERM "$pid" 2>/dev/null
    timeout 30 tail --pid="$pid" -f /dev/null || { kill -9 "$pid"; fail "$*: still running"; }
    wait "$pid"
    local rc=$?
    [ "$rc" -eq 0 ] || fail "$*: exit code $rc"
    no_sanitizer_report
}

no_sanitizer_report() {
    grep -qE 'Sanitizer|runtime error' "$work/stderr.txt" && fail "sanitizer report"
    return 0
}

# The log is in the state folder with its header and no error; the working directory and
# the data folder received nothing.
expect_written_where_they_belong() {
    local data=$1 before=$2
    [ -f "$state/log.txt" ] || fail "no log.txt in $state"
    [ "$(sed -n 3p "$state/log.txt")" = "( ) Using Tolm version 0.22" ] || fail "log header"
    grep -q '^<!>' "$state/log.txt" && fail "an error in the log"
    [ -z "$(ls -A "$work/elsewhere")" ] || fail "written in the working directory: $(ls -A)"
    [ "$(snapshot "$data")" = "$before" ] || fail "the data folder changed"
    local mode
    for folder in "$state" "$(dirname "$state")" "$HOME/.local/share/bubble-hush"; do
        mode=$(stat -c %a "$folder")
        [ "$mode" = 700 ] || fail "$folder has mode $mode, not 700"
    done
}
