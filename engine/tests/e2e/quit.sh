# "quit" ends a loop that a running task would keep alive forever; the script's later
# lines still run before the loop starts.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"

cat >autoexec.txt <<'SCRIPT'
starttask("unittest", "forever")
resumetask("forever")
QUIT()
pausetask("missing")
SCRIPT
run_tolm
expect_header
expect_line "<!> [ERROR] Trying to pause a task missing that doesn't exist."
echo PASS
