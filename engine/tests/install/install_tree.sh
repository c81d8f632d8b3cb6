# The program installed with cmake --install into a DESTDIR and then moved elsewhere, run
# from another working directory under the dummy drivers: it finds its data beside itself,
# writes its log into the XDG state folder and nothing beside the data or in the working
# directory; --data names another data folder; a missing data folder is one line and exit
# code 2; a state folder that cannot be made is one line and play goes on.
. "$(dirname "$0")/support.sh"
install_setup "$@"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

DESTDIR="$work/stage" cmake --install "$build_dir" --prefix /opt/bubble >"$work/install.txt" ||
    { cat "$work/install.txt"; fail "cmake --install"; }
for file in bin/bubble-hush share/bubble-hush/autoexec.txt share/bubble-hush/data/gfx/title_screen.png \
    share/applications/org.tolm.BubbleHush.desktop share/metainfo/org.tolm.BubbleHush.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.tolm.BubbleHush.svg share/man/man6/bubble-hush.6.gz; do
    [ -f "$work/stage/opt/bubble/$file" ] || fail "not installed: $file"
done
# Relocated: nothing may point back to the prefix the tree was installed for.
mv "$work/stage/opt/bubble" "$work/moved"
program="$work/moved/bin/bubble-hush"
data="$work/moved/share/bubble-hush"
before=$(snapshot "$data")

"$program" --version >"$work/stdout.txt" || fail "--version: exit code $?"
[ "$(cat "$work/stdout.txt")" = "$(printf 'Bubble Hush\nTolm version 0.22')" ] || fail "--version text"
"$program" --bogus 2>"$work/stderr.txt"
rc=$?
[ "$rc" -eq 2 ] || fail "--bogus: exit code $rc"
[ "$(head -1 "$work/stderr.txt")" = 'bubble-hush: unknown option "--bogus"' ] || fail "--bogus line"
grep -q '^Usage: bubble-hush ' "$work/stderr.txt" || fail "--bogus: no usage line"

# The default XDG folders under HOME.
run_until_term "$program"
expect_written_where_they_belong "$data" "$before"

# XDG_STATE_HOME and XDG_DATA_HOME are followed.
export XDG_STATE_HOME="$work/xdg/state" XDG_DATA_HOME="$work/xdg/data"
state="$XDG_STATE_HOME/bubble-hush"
run_until_term "$program"
[ -f "$state/log.txt" ] || fail "no log in XDG_STATE_HOME"
[ -d "$XDG_DATA_HOME/bubble-hush" ] || fail "no folder in XDG_DATA_HOME"

# --data: a data folder of our own whose script ends the game by itself.
mkdir "$work/own"
cp "$source_dir/game/autoexec.txt" "$work/own/autoexec.txt"
echo quit >>"$work/own/autoexec.txt"
ln -s "$data/data" "$work/own/data"
own_before=$(snapshot "$work/own")
rm "$state/log.txt"
timeout 60 "$program" --data "$work/own" >"$work/stdout.txt" 2>"$work/stderr.txt" ||
    fail "--data: exit code $?"
no_sanitizer_report
# Its own "quit" ended it: the shipped script would have run until the timeout.
[ -f "$state/log.txt" ] || fail "--data: no log in the state folder"
[ "$(snapshot "$work/own")" = "$own_before" ] || fail "--data: written beside the data"

# No data: a --data folder without the script, and a program copied away from its data.
mkdir -p "$work/lonely/bin"
cp "$program" "$work/lonely/bin/"
cases=(
    "--data $work/elsewhere|bubble-hush: no game data in \"$work/elsewhere\": it holds no autoexec.txt"
    "|bubble-hush: no game data: neither the working directory nor \"$work/lonely/share/bubble-hush\" holds autoexec.txt; name the folder with --data DIR"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r options said <<<"$entry"
    rm -rf "$work/xdg"
    # shellcheck disable=SC2086 # the options are words
    timeout 60 "$work/lonely/bin/bubble-hush" $options >"$work/stdout.txt" 2>"$work/stderr.txt"
    rc=$?
    [ "$rc" -eq 2 ] || fail "no data ($options): exit code $rc"
    [ "$(cat "$work/stderr.txt")" = "$said" ] || fail "no data ($options): said $(cat "$work/stderr.txt")"
    [ ! -e "$work/xdg" ] || fail "no data ($options): folders were made"
done

# A state folder that cannot be made (a file in its way stops root too): one line, and the
# game plays on to its own quit.
: >"$work/plain"
export XDG_STATE_HOME="$work/plain/state"
timeout 60 "$program" --data "$work/own" >"$work/stdout.txt" 2>"$work/stderr.txt" ||
    fail "unwritable state: exit code $?"
no_sanitizer_report
[ "$(cat "$work/stderr.txt")" = "bubble-hush: the log and the console history are not kept: cannot make the folder $work/plain/state: Not a directory" ] ||
    fail "unwritable state: said $(cat "$work/stderr.txt")"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "unwritable state: written in the working directory"
echo PASS
