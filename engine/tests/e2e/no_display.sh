# A script that opens a window where there is no display: the program says so in one line on
# standard error and in the log, and ends with code 3 instead of running without a window.
# Also from a terminal (TERM set, as over ssh), where SDL would otherwise draw the game as
# letters with its text-mode driver for ever, and with DISPLAY naming a server that is not
# there. The line quotes the failing call's own reason, not an error that later calls leave
# behind (a missing icon, a sound file that is no sound). Key bindings, which need SDL's key
# names, start no driver that draws. A user who names the text-mode
# driver still gets it.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"

printf 'not a sound\n' >noise.wav
cat >autoexec.txt <<'SCRIPT'
taskload("sdl");
taskload("sdl_mixer");
starttask("window", "window", 1000, 800, 600, 32, 0, 0, "Bubble Hush");
window::SetIcon("no-such-icon.bmp");
starttask("audio", "Audio", 40, 22050, "S16LSB", 2, 1024, 16);
Audio::PreloadEffect("noise.wav");
starttask("game", "game", 50);
starttask("keyboard", "keyboard", 20);
keyboard::bind("escape", "quit");
SCRIPT

# A display number that no server uses.
absent=7353
while [ -e "/tmp/.X11-unix/X$absent" ] || [ -e "/tmp/.X$absent-lock" ]; do
    absent=$((absent + 1))
done

unreachable="No display available: the window could not be opened (No available video device)"
# case | environment (env arguments) | line on standard error
cases=(
    "x11 driver, no DISPLAY|-u DISPLAY SDL_VIDEODRIVER=x11|No display available: DISPLAY is not set"
    "terminal, no DISPLAY|-u DISPLAY -u SDL_VIDEODRIVER TERM=xterm|No display available: DISPLAY is not set"
    "no terminal, no DISPLAY|-u DISPLAY -u SDL_VIDEODRIVER -u TERM|No display available: DISPLAY is not set"
    "terminal, DISPLAY of no server|-u SDL_VIDEODRIVER DISPLAY=:$absent TERM=xterm|$unreachable"
    "empty driver, DISPLAY of no server|SDL_VIDEODRIVER= DISPLAY=:$absent TERM=xterm|$unreachable"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r name environment said <<<"$entry"
    rm -f log.txt
    # shellcheck disable=SC2086
    env $environment SDL_AUDIODRIVER=dummy timeout 60 "$tolm" >stdout.txt 2>stderr.txt
    rc=$?
    [ "$rc" -eq 3 ] || fail "$name: exit code $rc"
    [ "$(cat stderr.txt)" = "$said" ] || fail "$name: standard error"
    [ ! -s stdout.txt ] || fail "$name: $(wc -c <stdout.txt) bytes on standard output"
    expect_line "<!> [ERROR] $said"
    # The level marker is whatever the last error left.
    grep -q '^... Using driver: $' log.txt || fail "$name: a video driver started"
done

# Named on purpose, the text-mode driver draws into the terminal; a script without running
# tasks then ends at once.
cat >autoexec.txt <<'SCRIPT'
taskload("sdl");
starttask("window", "window", 1000, 320, 200, 32, 0, 0, "Bubble Hush");
SCRIPT
printf 'leak:libcaca.so\nleak:libncurses\nleak:libtinfo.so\nleak:libslang.so\n' >lsan.supp
rm -f log.txt
env -u DISPLAY SDL_VIDEODRIVER=caca TERM=xterm LSAN_OPTIONS="suppressions=$work/lsan.supp" \
    timeout 60 "$tolm" >stdout.txt 2>stderr.txt
rc=$?
[ "$rc" -eq 0 ] || fail "named caca: exit code $rc"
expect_line "( ) Using driver: caca"
[ -s stdout.txt ] || fail "named caca: nothing drawn into the terminal"
echo PASS
