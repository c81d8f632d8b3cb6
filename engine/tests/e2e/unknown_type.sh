# A task type that does not exist logs the exact error line and the script goes on.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"

cat >autoexec.txt <<'SCRIPT'
starttask("x", "y", 10, 1, 2)
starttask("unittest", "checks") // not run: a comment without ";" before it
starttask("unittest", "checks"); // runs
SCRIPT
run_tolm
expect_header
expect_line "<!> [ERROR] Trying to start a task x that doesn't exist."
# The error level stays selected, so later lines carry its marker too.
expect_order "<!> [ERROR] Trying to start a task x that doesn't exist." \
    "<!> Self-check random sequence from seed 1 passed"
[ "$(grep -c 'Self-checks done: ' log.txt)" -eq 1 ] || fail "self-checks ran more than once"
grep -qE '^<!> Self-checks done: [0-9]+ passed, 0 failed$' log.txt || fail "summary"
echo PASS
