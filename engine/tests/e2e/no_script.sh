# Without autoexec.txt and with an empty one: nothing runs, the program ends at once with 0
# and the log holds only its five header lines. The shipped one followed by "quit" brings
# the whole game up and down again without an error.
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
echo "quit" >>autoexec.txt
ln -s "$source_dir/game/data" data
run_tolm
expect_header
grep -qF "[ERROR]" log.txt && fail "an error in the shipped script"
grep -qE 'Sanitizer|runtime error' stderr.txt && fail "sanitizer report"
echo PASS
