# A game recorded under the dummy video driver and replayed twice, and timed once: the
# autoplay clicks through the title and the help into level 1 and points at characters; its
# input reaches the game through the event manager. (Where it points depends on the board;
# the kept level-1 recording, which points into all three zones, is replay_xvfb.sh.) The "LevelScore"
# lines and the screenshots at three passes are the same in the recording and every replay,
# and the timing run ends with its one line on standard output and in the log.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
ln -s "$source_dir/game/data" data
cp "$source_dir/game/autoexec.txt" autoexec.txt
echo 'starttask("autoplay", "autoplay", 60, "game", 16)' >>autoexec.txt
shots=(150 400 650)

# Runs the program with the options and keeps its log, scores and screenshots in $1/.
play() {
    local name=$1
    shift
    timeout 120 "$tolm" "$@" --shots "$(IFS=,; echo "${shots[*]}")" >stdout.txt 2>stderr.txt
    local rc=$?
    [ "$rc" -eq 0 ] || fail "$name: exit code $rc"
    grep -qE 'Sanitizer|runtime error' stderr.txt && fail "$name: sanitizer report"
    mkdir "$name" && mv log.txt stdout.txt pass-*.png "$name/" 2>/dev/null
    grep '^(d) LevelScore ' "$name/log.txt" >"$name/scores.txt"
    for pass in "${shots[@]}"; do
        [ -f "$name/pass-$(printf %06d "$pass").png" ] || fail "$name: no screenshot at pass $pass"
    done
}

play recording --record game.rec
grep -qxF '(d) LevelScore 0' recording/scores.txt || fail "level 1 did not begin"
grep -qE '^[0-9]+ (@[0-9]+ )?m[0-9]+,[0-9]+ d1 u1$' game.rec || fail "no click recorded"
grep -qE '^[0-9]+ .*m[0-9]+,50[01]( |$)' game.rec || fail "no pointing at a character recorded"

play replay1 --replay game.rec
play replay2 --replay game.rec
play timing --timedemo game.rec
for name in replay1 replay2 timing; do
    cmp -s recording/scores.txt "$name/scores.txt" || fail "$name: other LevelScore lines"
    for pass in "${shots[@]}"; do
        shot=pass-$(printf %06d "$pass").png
        cmp -s "recording/$shot" "$name/$shot" || fail "$name: the screen at pass $pass differs"
    done
done
line=$(cat timing/stdout.txt)
echo "$line"
[[ "$line" =~ ^Timedemo\ \"game.rec\":\ [0-9]+\ passes,\ [0-9]+\ frames\ drawn\ in\ [0-9.]+\ s\ \(CPU\ [0-9.]+\ s\)\;\ ms\ per\ frame\ min\ [0-9.]+,\ median\ [0-9.]+,\ 95th\ percentile\ [0-9.]+$ ]] ||
    fail "the timing line: $line"
grep -qxF "(d) $line" timing/log.txt || fail "the timing line is not in the log"
recorded=$(sed -n 's/^([ d]) Recording stopped after \([0-9]*\) passes.*/\1/p' recording/log.txt)
[[ "$line" == *": $recorded passes,"* ]] || fail "the timing run did not replay $recorded passes"
echo PASS
