# A real window under Xvfb: the test scene is drawn where it should be (with its counter in
# the game's digit font), its moving sprite and its animation move on between two shots,
# and closing the window as a window manager would ends the program with code 0 and no
# sanitizer report. Skipped (77) when the X tools are missing.
. "$(dirname "$0")/support/common.sh"

in_xvfb xdotool import /usr/bin/convert -- "$@"

e2e_setup "$@"
ln -s "$source_dir/game/data" data
closer="$(dirname "$tolm")/x11_close_window"
[ -x "$closer" ] || { echo "SKIP: $closer was not built (needs libx11-dev)"; exit 77; }
x11_setup

cat >autoexec.txt <<'SCRIPT'
taskload("sdl");
sys_frame_sleep = 1
starttask("window", "window", 1000, 800, 600, 32, 0, 0, "Tolm scene")
starttask("event", "event", 10)
starttask("gfx", "gfx", 100)
starttask("gfxtest", "scene", 50)
SCRIPT

"$tolm" >stdout.txt 2>stderr.txt &
pid=$!
# SDL turns SIGTERM into a quit event, which only the event task acts on.
die() {
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    fail "$@"
}
wid=$(timeout 30 xdotool search --sync --name '^Tolm scene$' | head -1)
[ -n "$wid" ] || die "no window named \"Tolm scene\""

pixel() { /usr/bin/convert "$1" -crop "1x1+$2+$3" -format '%[pixel:p{0,0}]' info:; }
# First white pixel of the moving ring's middle row.
mover_x() {
    /usr/bin/convert "$1" -crop 800x1+0+324 +repage txt:- |
        awk -F'[,:]' '/#FFFFFF/ { print $1; exit }'
}

sleep 1
import -window "$wid" shot1.png || die "first screenshot"
sleep 0.5
import -window "$wid" shot2.png || die "second screenshot"

while read -r x y want what; do
    got=$(pixel shot1.png "$x" "$y")
    [ "$got" = "$want" ] || die "pixel ($x, $y) of $what is $got, expected $want"
done <<'PIXELS'
10 10 srgb(20,40,90) the dark chequer
110 10 srgb(30,70,140) the light chequer
132 132 srgb(220,30,30) the red disc
101 101 srgb(20,40,90) the disc's keyed corner
305 105 srgb(40,200,60) the green frame
332 132 srgb(20,40,90) the frame's keyed hole
532 104 srgb(240,220,40) the yellow diamond
PIXELS
# Text over the two-colour chequer: the built-in font's line, and the digit counter (white
# glyphs; nothing else in its band is white).
[ "$(/usr/bin/convert shot1.png -crop 400x15+100+450 -format %k info:)" -gt 2 ] ||
    die "no text drawn at (100, 450)"
/usr/bin/convert shot1.png -crop 320x42+100+500 +repage txt:- | grep -q '#FFFFFF' ||
    die "no digits drawn at (100, 500)"

# Five frames of 300 ms: shots 0.5 to 1.4 s apart never show the same one.
a1=$(pixel shot1.png 666 116)
[ "$a1" != "$(pixel shot2.png 666 116)" ] || die "the animation stayed at $a1"

x1=$(mover_x shot1.png)
x2=$(mover_x shot2.png)
[ -n "$x1" ] && [ -n "$x2" ] || die "moving sprite not found ($x1, $x2)"
if [ "$x1" = "$x2" ]; then
    # Two shots on either side of a turning point see the same place; a third one does not.
    sleep 0.3
    import -window "$wid" shot3.png || die "third screenshot"
    x2=$(mover_x shot3.png)
fi
[ "$x1" != "$x2" ] || die "moving sprite stayed at x=$x1"

for line in "Using driver: x11" "New window created succesfully" "gfxtest: scene of 8 sprites on 800x600"; do
    grep -qF -- "$line" log.txt || die "missing log line: $line"
done

"$closer" "$wid" || die "could not send WM_DELETE_WINDOW"
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null && sleep 0.1; done
kill -0 "$pid" 2>/dev/null && die "still running 10 s after the close request"
wait "$pid"
rc=$?
[ "$rc" -eq 0 ] || fail "exit code $rc"
grep -qE 'Sanitizer|runtime error' stderr.txt && fail "sanitizer report"
echo PASS
