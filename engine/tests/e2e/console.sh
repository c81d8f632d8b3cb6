# The developer console in the real program: opened and closed from the script with the
# widget and window tasks running, left open at quit, and taken down by the stopping task
# without a sanitizer report.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"

cat >autoexec.txt <<'SCRIPT'
taskload("sdl")
starttask("window", "window", 10, 640, 480, 32)
starttask("event", "event", 20)
starttask("keyboard", "keyboard", 30)
starttask("ui", "ui", 40)
starttask("debug", "Debug", 50)
starttask("gfx", "gfx", 100)
keyboard::bind("`", "Debug::ToggleConsole()")
keyboard::bind("f1", "Debug::ToggleConsole()")
Debug::ToggleConsole()
Debug::ToggleConsole()
Debug::ToggleConsole()
quit
SCRIPT
run_tolm
expect_header
[ -s stderr.txt ] && fail "stderr is not empty"
echo PASS
