# The scene's script under the dummy video driver: the window task's log lines, exactly and
# in order; "quit" then ends the program with code 0.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"

cat >autoexec.txt <<'SCRIPT'
taskload("sdl");
starttask("window", "window", 1000, 800, 600, 32, 0, 1, "Tolm scene")
starttask("event", "event", 10)
starttask("gfx", "gfx", 100)
starttask("gfxtest", "scene", 50)
window::SetName("Renamed");
quit
SCRIPT
run_tolm
expect_header
sdl_version='1\.2\.[0-9]+'
expected=(
    "( ) Initializing video \[OK\]"
    "( ) "
    "( ) Creating new window"
    "( ) Compiled with SDL version: $sdl_version"
    "( ) Running with SDL version: $sdl_version"
    "( ) Using driver: dummy"
    "( ) Using software surface \( SDL_SWSURFACE  \)"
    "( ) Using double buffering \( SDL_DOUBLEBUF \)"
    "( ) Using resizable \( SDL_RESIZABLE \)"
    "( ) Valid resolutions for current flags"
    "( ) All resolutions available"
    "( ) New window created succesfully"
)
pattern=$(printf '%s\n' "${expected[@]}" | sed 's/^( )/\\( \\)/')
# The window's lines follow the header directly and in this order.
got=$(sed -n "6,$((5 + ${#expected[@]}))p" log.txt)
paste <(printf '%s\n' "$got") <(printf '%s\n' "$pattern") | while IFS=$'\t' read -r line re; do
    [[ "$line" =~ ^${re}$ ]] || fail "log line \"$line\" does not match \"$re\""
done || exit 1
grep -qF "gfxtest: scene of 7 sprites on 800x600" log.txt || fail "scene not built"
grep -qF "No display available" log.txt && fail "the graphics task found no display"
echo PASS
