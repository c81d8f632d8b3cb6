# A script that opens a window where there is no display: the program says so in one line on
# standard error and in the log, and ends with code 3 instead of running without a window.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"

cat >autoexec.txt <<'SCRIPT'
taskload("sdl");
starttask("window", "window", 1000, 800, 600, 32, 0, 0, "Bubble Hush");
starttask("game", "game", 50);
SCRIPT
env -u DISPLAY SDL_VIDEODRIVER=x11 timeout 60 "$tolm" >stdout.txt 2>stderr.txt
rc=$?
[ "$rc" -eq 3 ] || fail "exit code $rc"
[ "$(cat stderr.txt)" = "No display available: DISPLAY is not set" ] || fail "standard error"
expect_line "<!> [ERROR] No display available: DISPLAY is not set"
echo PASS
