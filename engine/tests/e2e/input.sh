# The input task types start from a script in the real program, "bind" refuses a key name
# that names no key, and a cursor change before any window is open is refused with a
# warning instead of reaching SDL.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"

cat >autoexec.txt <<'SCRIPT'
taskload("sdl")
starttask("event", "event", 10)
starttask("keyboard", "keyboard", 20)
starttask("mouse", "mouse", 30)
keyboard::bind("escape", "quit")
keyboard::bind("no such key", "quit")
mouse::CursorChangeTo("cursor_hand")
mouse::CursorHide()
quit
SCRIPT
run_tolm
expect_header
expect_line '(!) [WARNING] bind: no key is named "no such key"'
expect_line '(!) [WARNING] The cursor cannot change before the window is open'
echo PASS
