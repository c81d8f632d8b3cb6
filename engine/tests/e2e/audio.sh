# The game's sound set-up: the "sdl_mixer" library, the audio task with 16 mixing channels,
# its eight effects preloaded (each loaded once), played by routed lines, freed at shutdown.
. "$(dirname "$0")/support/common.sh"
e2e_setup "$@"

le() {  # value, bytes: little-endian binary
    local i
    for ((i = 0; i < $2; i++)); do printf "\\x$(printf %02x $((($1 >> (8 * i)) & 255)))"; done
}
wav() {  # 16-bit mono 22050 Hz, 200 silent samples
    { printf RIFF; le 436 4; printf 'WAVEfmt '; le 16 4; le 1 2; le 1 2; le 22050 4; le 44100 4
      le 2 2; le 16 2; printf data; le 400 4; head -c 400 /dev/zero; } >"$1"
}
mkdir -p data/sfx
wav data/sfx/fan_hit.wav
for n in 1 2 3 4 5 6 7; do cp data/sfx/fan_hit.wav "data/sfx/bubble_hit_0$n.wav"; done

{
    echo 'taskload("sdl_mixer")'
    echo 'starttask("audio", "Audio", 20, 22050, "S16LSB", 2, 1024, 16)'
    for n in 1 2 3 4 5 6 7; do echo "Audio::PreloadEffect(\"data/sfx/bubble_hit_0$n.wav\");"; done
    echo 'Audio::PreloadEffect("data/sfx/fan_hit.wav");'
    echo 'Audio::PlayEffect( "data/sfx/fan_hit.wav" );'
    echo 'Audio::PlayEffect("data/sfx/bubble_hit_03.wav");'
    echo 'quit'
} >autoexec.txt
SDL_AUDIODRIVER=dummy run_tolm
expect_header
expect_line "( ) Initializing audio [OK]"
expect_line "( )   Number of audio channels allocated 16"
expect_line "( ) Mixer API initialized succesfully"
[ "$(grep -c '^(d) new CSDLMixerEffectData( data/sfx/.*\.wav ) $' log.txt)" -eq 8 ] ||
    fail "eight effects loaded once each"
[ "$(grep -c '^(d) freed CSDLMixerEffectData$' log.txt)" -eq 8 ] || fail "eight effects freed"
grep -q 'Could not\|\[failed\]' log.txt && fail "a failure was logged"
echo PASS
