# The game played in a folder where "log.txt" cannot be written: a directory of that name
# (which stops root too, unlike a read-only folder) and a disk that is full (the log is
# /dev/full). Each time standard error says so in one line, once, and play goes on to the
# autoplay's quit with code 0.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
ln -s "$source_dir/game/data" data
cp "$source_dir/game/autoexec.txt" autoexec.txt
echo 'starttask("autoplay", "autoplay", 60, "game", 3, 0);' >>autoexec.txt

# case | how log.txt is made unwritable | line on standard error
cases=(
    "a directory|mkdir log.txt|Log lines are lost: \"log.txt\" cannot be opened for writing (Is a directory)"
    "a full disk|ln -s /dev/full log.txt|Log lines are lost: \"log.txt\" cannot be written (No space left on device)"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r name make said <<<"$entry"
    rm -rf log.txt && $make
    started=$SECONDS
    timeout 120 "$tolm" >stdout.txt 2>stderr.txt
    rc=$?
    [ "$rc" -eq 0 ] || fail "$name: exit code $rc"
    [ "$(cat stderr.txt)" = "$said" ] || fail "$name: standard error"
    # The autoplay quits after 3 s of play, not before.
    [ $((SECONDS - started)) -ge 3 ] || fail "$name: ended after $((SECONDS - started)) s"
done
echo PASS
