# The game under Xvfb with autoplay and gfx_update_rects = 1, so that only changed
# rectangles reach the X server: at ten moments of play, after a drag of the developer
# console's window and after the game's window was covered by another X window and exposed
# again, the window's pixels read back from the X server equal the engine's own screenshot
# of the same frame. Skipped (77) when the X tools are missing.
. "$(dirname "$0")/support/common.sh"

in_xvfb xdotool import /usr/bin/convert /usr/bin/compare xlogo -- "$@"

e2e_setup "$@"
x11_setup

ln -s "$source_dir/game/data" data
cp "$source_dir/game/autoexec.txt" autoexec.txt
grep -qx 'gfx_update_rects = 1' autoexec.txt || fail "the shipped script does not set gfx_update_rects = 1"
# F9 stops every task that changes sprites; F8 then stops the frames too, once the last
# changes are drawn and sent, so that the engine's screenshot and the server's picture are of
# the same frame. F10 lets everything run on.
cat >>autoexec.txt <<'SCRIPT'
starttask("autoplay", "autoplay", 60)
keyboard::bind("f9", "pausetask(game)");
keyboard::bind("f9", "pausetask(autoplay)");
keyboard::bind("f9", "pausetask(Debug)");
keyboard::bind("f8", "pausetask(gfx)");
keyboard::bind("f10", "resumetask(gfx)");
keyboard::bind("f10", "resumetask(Debug)");
keyboard::bind("f10", "resumetask(autoplay)");
keyboard::bind("f10", "resumetask(game)");
SCRIPT

start_in_window "Bubble Hush"

key() { xdotool windowfocus --sync "$wid" key "$1"; }
shots=0
# Freezes the frame, has the engine write its screenshot, reads the window from the X server
# and compares the two pixel for pixel.
same_picture() {
    shots=$((shots + 1))
    key F9
    # Glides run outside the tasks and erase at once; they end well within this wait, and
    # the frames drawn meanwhile send their last changes.
    sleep 1.5
    key F8
    sleep 0.1
    key F12
    for _ in $(seq 50); do
        [ "$(ls screenshot-*.png 2>/dev/null | wc -l)" -ge 1 ] && break
        sleep 0.1
    done
    import -window "$wid" "server$shots.png" || die "could not read the window ($1)"
    engine=$(ls -t screenshot-*.png | head -1)
    [ -n "$engine" ] || die "no engine screenshot ($1)"
    [ -n "${TOLM_E2E_KEEP:-}" ] && cp "$engine" "server$shots.png" "$TOLM_E2E_KEEP/"
    differ=$(/usr/bin/compare -metric AE "$engine" "server$shots.png" null: 2>&1) || true
    [ "$differ" = 0 ] || die "$1: the X server shows $differ pixels other than the engine's frame"
    mv "$engine" "engine$shots.png"
    key F10
}

sleep 2
for moment in $(seq 10); do
    same_picture "moment $moment of play"
    sleep 0.$((RANDOM % 9 + 1))
done

# The console's window, dragged by its title bar across the playing game.
key F1
sleep 0.5
xdotool mousemove --window "$wid" 200 20 mousedown 1 mousemove --window "$wid" 320 200 \
    mousemove --window "$wid" 420 260 mouseup 1
sleep 0.5
# The open console takes the keys, F12 among them: the picture is compared once it is
# closed again, where no trail of the dragged window may be left.
key F1
sleep 0.5
same_picture "after a drag of the console"

# Another window over the game's, then gone: the uncovered part comes back from the program.
xlogo -geometry 500x400+100+100 &
cover=$!
sleep 1
kill "$cover"
wait "$cover" 2>/dev/null
sleep 0.5
same_picture "after an expose"

stop_program
grep -qE 'Sanitizer|runtime error' stderr.txt && fail "sanitizer report"
echo PASS
