# The shipped game, developer console open, ended by SIGTERM or SIGINT as a service manager or
# Ctrl+C would: the signal asks for quit through the normal path, every task stops in order
# (whatever holds pictures before the graphics back end goes), the program ends with code 0,
# and the log has no warning about pictures freed without a back end, nor a sanitizer report.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
ln -s "$source_dir/game/data" data
cp "$source_dir/game/autoexec.txt" autoexec.txt
echo 'Debug::ToggleConsole();' >>autoexec.txt

for signal in TERM INT; do
    rm -f log.txt
    # A background job of a script starts with SIGINT ignored, which the program respects.
    env --default-signal=INT "$tolm" >stdout.txt 2>stderr.txt &
    pid=$!
    # SDL turns the signal into a quit request once video is up; then let a few frames pass.
    for _ in $(seq 100); do
        grep -q '^( ) New window created succesfully$' log.txt 2>/dev/null && break
        sleep 0.2
    done
    sleep 2
    kill -s "$signal" "$pid"
    timeout 30 tail --pid="$pid" -f /dev/null || { kill -9 "$pid"; fail "$signal: still running"; }
    wait "$pid"
    rc=$?
    [ "$rc" -eq 0 ] || fail "$signal: exit code $rc"
    grep -q 'no GFXFactory given' log.txt && fail "$signal: pictures freed after the back end"
    grep -qE 'Sanitizer|runtime error' stderr.txt && fail "$signal: sanitizer report"
    # The tasks were stopped, not killed: the audio task let go of its sounds.
    [ "$(grep -c '^(d) freed CSDLMixerEffectData$' log.txt)" -eq 8 ] ||
        fail "$signal: the audio task did not stop"
done
echo PASS
