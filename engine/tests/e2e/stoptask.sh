# Stopping the only running task ends the loop after one more pass.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"

cat >autoexec.txt <<'SCRIPT'
starttask("unittest", "only")
resumetask("only")
stoptask("only")
stoptask("nobody")
SCRIPT
run_tolm
expect_header
expect_order "( ) CTaskFactory::StopTask() called" \
    "<!> [ERROR] Trying to stop a task nobody that doesn't exist."
[ "$(grep -c 'CTaskFactory::StopTask() called$' log.txt)" -eq 2 ] || fail "stop lines"
echo PASS
