# Without autoexec.txt, with an empty one, and with the shipped one: nothing runs, the
# program ends at once with 0 and the log holds only its five header lines.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"

run_tolm
expect_header
expect_line_count 5

rm log.txt
: >autoexec.txt
run_tolm
expect_header
expect_line_count 5

rm log.txt
cp "$source_dir/game/autoexec.txt" autoexec.txt
run_tolm
expect_header
expect_line_count 5
echo PASS
