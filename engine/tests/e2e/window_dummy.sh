# The scene's script under the dummy video driver: the window task's log lines, exactly and
# in order, and the scene with its digit font; "quit" then ends the program with code 0.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"
ln -s "$source_dir/game/data" data
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
# The window's lines follow the header directly and in this order.
diff <(sed -n 6,17p log.txt | sed "s/version: 1\.2\.[0-9]*$/version: X/") - <<'LINES' || fail "window lines"
( ) Initializing video [OK]
( ) 
( ) Creating new window
( ) Compiled with SDL version: X
( ) Running with SDL version: X
( ) Using driver: dummy
( ) Using software surface ( SDL_SWSURFACE  )
( ) Using double buffering ( SDL_DOUBLEBUF )
( ) Using resizable ( SDL_RESIZABLE )
( ) Valid resolutions for current flags
( ) All resolutions available
( ) New window created succesfully
LINES
grep -E "ogf|Could not load image" log.txt && fail "the digit font was not loaded"
grep -qF "gfxtest: scene of 8 sprites on 800x600" log.txt || fail "scene not built"
grep -qF "No display available" log.txt && fail "the graphics task found no display"
echo PASS
