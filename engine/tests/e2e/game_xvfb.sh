# The game under Xvfb with its shipped start-up script, driven by a recording written here
# pass by pass (16 ms each), so that every screenshot is taken at a fixed pass however fast
# the machine is: clicks lead from the title through the help into level 1; pointing at each
# character silences it (it stops moving, its waiting bubble pops, and nothing more rises in
# its lane while the others go on); the recording ends with the window closed, and the
# program with code 0 and no sanitizer report. (A whole level played by the autoplay is
# replay_xvfb.sh.) With TOLM_E2E_SHOTS=DIR it leaves its screenshots there.
. "$(dirname "$0")/support/common.sh"

in_xvfb /usr/bin/convert /usr/bin/python3 -- "$@"

e2e_setup "$@"
x11_setup

ln -s "$source_dir/game/data" data
cp "$source_dir/game/autoexec.txt" autoexec.txt
# Fresh games with an empty board (F2, F3, F5).
cat >>autoexec.txt <<'SCRIPT'
keyboard::bind("f2", "stoptask(game)");
keyboard::bind("f2", "starttask(game, g2, 50)");
keyboard::bind("f3", "stoptask(g2)");
keyboard::bind("f3", "starttask(game, g3, 50)");
keyboard::bind("f5", "stoptask(g3)");
keyboard::bind("f5", "starttask(game, g4, 50)");
SCRIPT

# The recording: input at passes, the screenshots' passes by name.
declare -A input
declare -A shot_at
click='m400,300 d1 u1'
input[100]=$click
input[160]=$click
shot_at[title]=90
# Character centres, the pointer's place in each zone at level start, preview centres, and
# the keys of the fresh games (SDL's codes of F2, F3, F5).
xs=(200 400 600)
zones=(175 400 625)
previews_x=(200 400 605)
previews_y=(445 440 445)
keys=(283 284 286)
for line in 0 1 2; do
    base=$((250 + line * 450))
    input[$base]="k${keys[$line]} r${keys[$line]}"
    input[$((base + 20))]=$click
    input[$((base + 40))]=$click
    shot_at[talk$line]=$((base + 52))
    input[$((base + 55))]="m${zones[$line]},500"
    shot_at[silentA$line]=$((base + 92))
    shot_at[silentM$line]=$((base + 101))
    shot_at[silentB$line]=$((base + 113))
    shot_at[steps$line]=$((base + 394))
done
last=1560
input[$last]=q
{
    printf 'tolm-recording 1\nengine Tolm version 0.22\nscript autoexec.txt %s\n' \
        "$(script_hash autoexec.txt)"
    printf 'random 1733561234 1733561234\nclock 1000\n'
    for pass in $(seq "$last"); do
        if [ -n "${input[$pass]:-}" ]; then echo "16 ${input[$pass]}"; else echo 16; fi
    done
    echo end
} >game.rec

timeout 120 "$tolm" --timedemo game.rec --shots "$(IFS=,; echo "${shot_at[*]}")" \
    >stdout.txt 2>stderr.txt
rc=$?
[ "$rc" -eq 0 ] || fail "exit code $rc"
grep -qE 'Sanitizer|runtime error' stderr.txt && fail "sanitizer report"
grep -q 'No display' log.txt && fail "no window under Xvfb"
grep -qF "Timedemo \"game.rec\": $last passes," stdout.txt || fail "not every pass replayed"
for name in "${!shot_at[@]}"; do
    mv "pass-$(printf %06d "${shot_at[$name]}").png" "$name.png" 2>/dev/null ||
        fail "no screenshot $name at pass ${shot_at[$name]}"
done

# A hash of the pixels of a region, W H X Y.
region() { /usr/bin/convert "$1" -crop "$2x$3+$4+$5" +repage -format '%#' info:; }
[ "$(grep -c '^(d) LevelScore 0$' log.txt)" -eq 4 ] ||
    fail "level 1 did not begin in each of the four games"
for line in 0 1 2; do
    x=${xs[$line]}
    face() { region "$1" 120 90 $((x - 60)) 400; }
    [ "$(face silentA$line.png)" = "$(face silentM$line.png)" ] &&
        [ "$(face silentM$line.png)" = "$(face silentB$line.png)" ] ||
        fail "character $line still moves while silenced"
    other=$(((line + 1) % 3))
    ox=${xs[$other]}
    other_face() { region "$1" 120 90 $((ox - 60)) 400; }
    [ "$(other_face silentA$line.png)" != "$(other_face silentM$line.png)" ] ||
        [ "$(other_face silentM$line.png)" != "$(other_face silentB$line.png)" ] ||
        fail "character $other does not move while talking"
    px=${previews_x[$line]}
    py=${previews_y[$line]}
    [ "$(region talk$line.png 30 30 $((px - 15)) $((py - 15)))" != \
        "$(region silentB$line.png 30 30 $((px - 15)) $((py - 15)))" ] ||
        fail "the waiting bubble of character $line did not pop"
    lane() { region "$1" 60 75 $(($2 - 25)) 300; }
    [ "$(lane silentA$line.png "$x")" = "$(lane steps$line.png "$x")" ] ||
        fail "bubbles rose in the lane of silenced character $line"
    [ "$(lane silentA$line.png "$ox")" != "$(lane steps$line.png "$ox")" ] ||
        fail "no bubbles rose in the lane of character $other"
done
if [ -n "${TOLM_E2E_SHOTS:-}" ]; then
    mkdir -p "$TOLM_E2E_SHOTS" && cp title.png steps0.png "$TOLM_E2E_SHOTS/"
fi
echo PASS
