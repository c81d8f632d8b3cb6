# The game under Xvfb with its shipped start-up script, driven by real X events: clicks lead
# from the title through the help into level 1; pointing at each character silences it (it
# stops moving, its waiting bubble pops, and nothing more rises in its lane while the others
# go on); then "autoplay" plays on until the level is won; closing the window ends the
# program with code 0 and no sanitizer report. Skipped (77) when the X tools are missing.
# With TOLM_E2E_SHOTS=DIR it leaves its title and play screenshots there.
. "$(dirname "$0")/support/common.sh"

in_xvfb xdotool import /usr/bin/convert -- "$@"

e2e_setup "$@"
closer="$(dirname "$tolm")/x11_close_window"
[ -x "$closer" ] || { echo "SKIP: $closer was not built (needs libx11-dev)"; exit 77; }
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy
printf 'leak:libX11.so\n' >lsan.supp
export LSAN_OPTIONS="suppressions=$work/lsan.supp"

ln -s "$source_dir/game/data" data
cp "$source_dir/game/autoexec.txt" autoexec.txt
# Fresh games with an empty board (F2, F3, F5), and the autoplay on the last one (F4).
cat >>autoexec.txt <<'SCRIPT'
keyboard::bind("f2", "stoptask(game)");
keyboard::bind("f2", "starttask(game, g2, 50)");
keyboard::bind("f3", "stoptask(g2)");
keyboard::bind("f3", "starttask(game, g3, 50)");
keyboard::bind("f5", "stoptask(g3)");
keyboard::bind("f5", "starttask(game, g4, 50)");
keyboard::bind("f4", "starttask(autoplay, autoplay, 60, g4)");
SCRIPT

start_in_window "Bubble Hush"

shot() { import -window "$wid" "$1" || die "screenshot $1"; }
# A hash of the pixels of a region, W H X Y.
region() { /usr/bin/convert "$1" -crop "$2x$3+$4+$5" +repage -format '%#' info:; }
click() { xdotool mousemove --window "$wid" 400 300 click 1; }
level_scores() { grep -c 'LevelScore ' log.txt; }

sleep 1.5
shot title.png
click
sleep 1
click
sleep 0.5
grep -qF "LevelScore 0" log.txt || die "no \"LevelScore 0\" after two clicks"

# Character centres, the pointer's place in each zone at level start, preview centres.
xs=(200 400 600)
zones=(175 400 625)
previews_x=(200 400 605)
previews_y=(445 440 445)
keys=(F2 F3 F5)
for line in 0 1 2; do
    x=${xs[$line]}
    xdotool windowfocus --sync "$wid" key "${keys[$line]}"
    sleep 0.3
    click
    sleep 0.2
    click
    sleep 0.2
    shot talk$line.png
    xdotool mousemove --window "$wid" "${zones[$line]}" 500
    sleep 0.6
    shot silentA$line.png
    sleep 0.15
    shot silentM$line.png
    sleep 0.2
    shot silentB$line.png
    sleep 4.5
    shot steps$line.png
    face() { region "$1" 120 90 $((x - 60)) 400; }
    [ "$(face silentA$line.png)" = "$(face silentM$line.png)" ] &&
        [ "$(face silentM$line.png)" = "$(face silentB$line.png)" ] ||
        die "character $line still moves while silenced"
    other=$(((line + 1) % 3))
    ox=${xs[$other]}
    other_face() { region "$1" 120 90 $((ox - 60)) 400; }
    [ "$(other_face silentA$line.png)" != "$(other_face silentM$line.png)" ] ||
        [ "$(other_face silentM$line.png)" != "$(other_face silentB$line.png)" ] ||
        die "character $other does not move while talking"
    px=${previews_x[$line]}
    py=${previews_y[$line]}
    [ "$(region talk$line.png 30 30 $((px - 15)) $((py - 15)))" != \
        "$(region silentB$line.png 30 30 $((px - 15)) $((py - 15)))" ] ||
        die "the waiting bubble of character $line did not pop"
    lane() { region "$1" 60 75 $(($2 - 25)) 300; }
    [ "$(lane silentA$line.png "$x")" = "$(lane steps$line.png "$x")" ] ||
        die "bubbles rose in the lane of silenced character $line"
    [ "$(lane silentA$line.png "$ox")" != "$(lane steps$line.png "$ox")" ] ||
        die "no bubbles rose in the lane of character $other"
done

before=$(level_scores)
xdotool windowfocus --sync "$wid" key F4
for second in $(seq 100); do
    [ "$(level_scores)" -gt "$before" ] && break
    [ "$second" -ne 6 ] || shot play.png
    sleep 1
done
[ "$(level_scores)" -gt "$before" ] || die "autoplay did not complete level 1 in 100 s"
grep 'LevelScore ' log.txt | tail -1 | grep -qE 'LevelScore [1-9][0-9]*00$' ||
    die "level 2 began with no score"
if [ -n "${TOLM_E2E_SHOTS:-}" ]; then
    mkdir -p "$TOLM_E2E_SHOTS" && cp title.png play.png "$TOLM_E2E_SHOTS/"
fi

"$closer" "$wid" || die "could not send WM_DELETE_WINDOW"
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && die "still running 10 s after the close request"
wait "$pid"
rc=$?
[ "$rc" -eq 0 ] || fail "exit code $rc"
grep -qE 'Sanitizer|runtime error' stderr.txt && fail "sanitizer report"
echo PASS
