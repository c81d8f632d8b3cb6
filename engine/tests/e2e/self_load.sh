# A script that loads itself stops at the depth limit with a log line.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"

printf 'load("autoexec.txt")\r\n' >autoexec.txt
run_tolm
expect_header
expect_line "<!> [ERROR] Scripts nested deeper than 16 levels, not loading autoexec.txt"
expect_line_count 6
echo PASS
