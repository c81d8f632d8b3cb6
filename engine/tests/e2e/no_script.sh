# Without autoexec.txt, and no game data installed beside the program: one line saying so,
# exit code 2, and nothing written. With an empty one: nothing runs, the program ends at once
# with 0 and the log holds only its five header lines. The shipped one followed by "quit"
# brings the whole game up and down again without an error.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"

timeout 60 "$tolm" >stdout.txt 2>stderr.txt
rc=$?
[ "$rc" -eq 2 ] || fail "without a script: exit code $rc"
grep -qxF "bubble-hush: no game data: neither the working directory nor \"$(realpath -m "$(dirname "$tolm")/../share/bubble-hush")\" holds autoexec.txt; name the folder with --data DIR" stderr.txt ||
    fail "without a script: no line saying where the data was looked for"
[ "$(ls)" = "$(printf 'stderr.txt\nstdout.txt')" ] || fail "without a script: files written: $(ls)"

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
