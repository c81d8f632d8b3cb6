# The level-1 recording kept in game/demos, made by the autoplay, replayed as a timing run
# under the dummy video driver and in a real window under Xvfb: the screenshots at three
# passes and the "LevelScore" lines are the same, and the second level begins with a score.
# The recording clicks through the title and the help and points into all three zones.
. "$(dirname "$0")/support/common.sh"

in_xvfb -- "$@"

e2e_setup "$@"
x11_setup
ln -s "$source_dir/game/data" data
cp "$source_dir/game/demos/autoexec.txt" autoexec.txt
cp "$source_dir/game/demos/level1.rec" level1.rec
shots=(1000 3000 5000)
grep -qE '^[0-9]+ (@[0-9]+ )?m[0-9]+,[0-9]+ d1 u1$' level1.rec || fail "no click in the recording"
xs=$(grep -oE ' m[0-9]+,' level1.rec | tr -dc '0-9\n')
for zone in 'x < 300' 'x >= 300 && x <= 500' 'x > 500'; do
    awk "{ x = \$1 } $zone { found = 1 } END { exit !found }" <<<"$xs" ||
        fail "no pointer motion where $zone"
done

time_run() {
    local name=$1
    timeout 120 "$tolm" --timedemo level1.rec --shots "$(IFS=,; echo "${shots[*]}")" \
        >stdout.txt 2>stderr.txt
    local rc=$?
    [ "$rc" -eq 0 ] || fail "$name: exit code $rc"
    grep -qE 'Sanitizer|runtime error' stderr.txt && fail "$name: sanitizer report"
    mkdir "$name" && mv log.txt stdout.txt pass-*.png "$name/" 2>/dev/null
    grep '^(d) LevelScore ' "$name/log.txt" >"$name/scores.txt"
    echo "$name: $(cat "$name/stdout.txt")"
}

SDL_VIDEODRIVER=dummy time_run dummy
(unset SDL_VIDEODRIVER && time_run x11) || exit 1
grep -q 'No display' x11/log.txt && fail "no window under Xvfb"
for pass in "${shots[@]}"; do
    shot=pass-$(printf %06d "$pass").png
    [ -f "dummy/$shot" ] || fail "no screenshot at pass $pass"
    cmp -s "dummy/$shot" "x11/$shot" || fail "the screen at pass $pass differs under Xvfb"
done
cmp -s dummy/scores.txt x11/scores.txt || fail "other LevelScore lines under Xvfb"
[ "$(wc -l <x11/scores.txt)" -eq 2 ] && tail -1 x11/scores.txt | grep -qE 'LevelScore [1-9][0-9]*00$' ||
    fail "the recording does not reach level 2 with a score: $(tr '\n' ' ' <x11/scores.txt)"
echo PASS
