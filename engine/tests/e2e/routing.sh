# Name:: lines go to the task of that exact instance name; a missing one is logged.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"

cat >autoexec.txt <<'SCRIPT'
Audio::PlayEffect( "data/sfx/fan_hit.wav" );
starttask("unittest", "Audio")
audio::PlayEffect("x.wav")
Audio::PlayEffect("x.wav")
SCRIPT
run_tolm
expect_header
expect_line "<!> [ERROR] Sorry the namespace or task Audio doesn't exist."
expect_line "<!> [ERROR] Sorry the namespace or task audio doesn't exist."
[ "$(grep -c 'Sorry the namespace or task' log.txt)" -eq 2 ] || fail "routing lines"
echo PASS
