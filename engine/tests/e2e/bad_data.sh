# The game with one data file broken at a time. For every file under game/data it tries the
# variants empty, truncated (the first half), garbage (random bytes of the same size),
# corrupt (the first 16 bytes kept, so that a reader chosen by content still takes it, the
# rest random), a directory, missing, and for pictures huge (a valid 16000 x 8000 picture).
# Each variant runs the shipped autoexec.txt in a copy of the game directory with "autoplay"
# under the dummy drivers; it must end with code 0, print no sanitizer report, stay under
# 768 MB resident (the game takes about 110 MB; decoding one 16000 x 8000 picture goes past
# the limit) and log, at most 20 times, a line naming the broken file that the unbroken game
# does not log.
#
# Play time: the game reads the sounds, characters, background, fan, score font, title and
# the first random bubbles at start-up, the help screen at the first click (1.5 s), the console's
# pictures when the console opens, and starts level 1 at the second click (3 s). A sound is
# played through the same command a burst uses, added to the script, and the console is
# opened by the script; runs last 2 s (title, sounds, console), 3.5 s (help) or 4.5 s (the
# rest, through 1.5 s of play). The title's choice and the best score's plate are read only
# when the player's progress.xml holds a level to go on at and a finished game, so their runs
# get one. Bubbles are drawn at random and bubbles 4 to 6, the level
# complete, level failed and end pictures come only after minutes of play, so those files
# stand in for files read at start-up: every bubble description is the tested bubble's (or
# its broken copy), and the title's description is the tested picture's (or its broken
# copy, where the log names title_screen.xml).
#
# 427 runs take about 15 minutes, two at a time (TOLM_BAD_DATA_JOBS). With
# TOLM_BAD_DATA_ONLY='REGEX' only the variants whose "FILE VARIANT" matches run, e.g.
# 'close.gif (garbage|huge)'. Failing runs are listed with the exit code and the sanitizer's
# headline or the missing log line, and their directories are kept.
set -u

tolm=$(realpath "$1")
source_dir=$(realpath "$2")
support=$(dirname "$(realpath "$0")")/support
python=/usr/bin/python3
[ -x "$python" ] || { echo "SKIP: $python is missing"; exit 77; }

jobs_max=${TOLM_BAD_DATA_JOBS:-2}
only=${TOLM_BAD_DATA_ONLY:-}
work=$(mktemp -d "${TMPDIR:-/tmp}/tolm-bad-data.XXXXXX")
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="hard_rss_limit_mb=768${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
max_lines=20
bubbles=(data/gfx/soap_bubble_0{1..6}.xml)

# A copy of the game directory: the script, and data/ as real folders of links to the
# unchanged files, so that one file can be replaced without touching the tree.
copy_game() {
    mkdir -p "$1"
    cp "$source_dir/game/autoexec.txt" "$1/autoexec.txt"
    cp -rs "$source_dir/game/data" "$1/data"
}

# Writes variant $3 of data file $1 (relative to the game directory) to the path $2.
break_file() {
    local original=$source_dir/game/$1 target=$2 size
    size=$(stat -c %s "$original")
    rm -rf "$target"
    case $3 in
        empty) : >"$target" ;;
        truncated) head -c $((size / 2)) "$original" >"$target" ;;
        garbage) "$python" "$support/make_bad_data.py" garbage "$original" "$target" 0 ;;
        corrupt) "$python" "$support/make_bad_data.py" garbage "$original" "$target" 16 ;;
        directory) mkdir "$target" ;;
        missing) ;;
        huge) cp "$work/huge.${1##*.}" "$target" ;;
    esac
}

# For data file $1: how long to play, script lines to add, which other files take a copy
# of an unchanged file ("to=from") or of the broken one, and the names a log line may give.
plan() {
    local file=$1 base=${1##*/}
    seconds=4.5
    extra=()
    copies=()
    broken_copies=()
    saved_progress=0
    expect=("$file")
    expect_label=$file
    case $file in
        data/sfx/*)
            seconds=2
            extra=("Audio::PlayEffect(\"$file\");")
            ;;
        data/gui/*)
            seconds=2
            extra=("Debug::ToggleConsole()")
            ;;
        data/gfx/title_screen.* | data/gfx/title_start.*) seconds=2 ;;
        data/gfx/title_choice.* | data/gfx/best_score.*)
            seconds=2
            saved_progress=1
            ;;
        data/gfx/help_*) seconds=3.5 ;;
        data/gfx/soap_bubble_0?.png)
            local bubble
            for bubble in "${bubbles[@]}"; do copies+=("$bubble=${file%.png}.xml"); done
            ;;
        data/gfx/soap_bubble_0?.xml)
            broken_copies=("${bubbles[@]}")
            expect=("${bubbles[@]}")
            expect_label="any of data/gfx/soap_bubble_0[1-6].xml"
            ;;
        data/gfx/level_complete.png | data/gfx/level_failed.png | data/gfx/the_end.png)
            seconds=2
            copies=("data/gfx/title_screen.xml=${file%.png}.xml")
            ;;
        data/gfx/level_complete.xml | data/gfx/level_failed.xml | data/gfx/the_end.xml)
            seconds=2
            broken_copies=(data/gfx/title_screen.xml)
            expect=(data/gfx/title_screen.xml)
            expect_label=${expect[0]}
            ;;
    esac
    case $base in
        *.png | *.gif) variants=(empty truncated garbage corrupt directory missing huge) ;;
        *) variants=(empty truncated garbage corrupt directory missing) ;;
    esac
}

autoplay_line() {
    echo "starttask(\"autoplay\", \"autoplay\", 60, \"game\", $1, 0)"
}

# Runs the game in directory $1 for $2 seconds of play; leaves rc, seconds_taken.
run_game() {
    local start end
    start=$(date +%s.%N)
    (cd "$1" && timeout -k 5 "$(awk -v s="$2" 'BEGIN { print int(s) + 30 }')" "$tolm" \
        >stdout.txt 2>stderr.txt)
    echo $? >"$1/rc"
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f\n", b - a }' >"$1/seconds_taken"
}

sanitizer_headline() {
    grep -E '[A-Za-z]Sanitizer: |runtime error:|^SUMMARY: ' "$1/stderr.txt" | head -2 |
        sed 's/^==[0-9]*==//' | paste -sd '|' -
}

# The checks common to every run; prints the first fault found, nothing when clean.
run_fault() {
    local dir=$1 rc headline
    rc=$(cat "$dir/rc")
    headline=$(sanitizer_headline "$dir")
    if [ -n "$headline" ]; then
        echo "exit $rc; $headline"
    elif [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ]; then
        echo "exit $rc; still running $(cat "$dir/seconds_taken") s after its start"
    elif [ "$rc" -ne 0 ]; then
        echo "exit $rc; $(tail -1 "$dir/stderr.txt")"
    elif [ ! -f "$dir/log.txt" ]; then
        echo "exit 0; no log.txt"
    fi
}

# One variant: file $1, variant $2. Writes its result line to $work/results/$id.
run_variant() {
    local file=$1 variant=$2 id dir fault count lines
    id=$(echo "$file-$variant" | tr '/' '_')
    dir=$work/runs/$id
    plan "$file"
    copy_game "$dir"
    local copy
    for copy in "${copies[@]}"; do
        rm -f "$dir/${copy%%=*}"
        cp "$source_dir/game/${copy#*=}" "$dir/${copy%%=*}"
    done
    break_file "$file" "$dir/$file" "$variant"
    for copy in "${broken_copies[@]}"; do
        [ "$copy" = "$file" ] || break_file "$file" "$dir/$copy" "$variant"
    done
    printf '%s\n' "${extra[@]}" "$(autoplay_line "$seconds")" >>"$dir/autoexec.txt"
    [ "$saved_progress" -eq 0 ] ||
        echo "<progress><level>3</level><score>100</score><finished>1</finished><best>500</best></progress>" \
            >"$dir/progress.xml"
    run_game "$dir" "$seconds"

    fault=$(run_fault "$dir")
    if [ -z "$fault" ]; then
        lines=$(grep -F "${expect[@]/#/-e}" "$dir/log.txt" | grep -vxF -f "$work/baseline_lines")
        echo "$lines" >"$dir/lines_naming"
        count=$(printf '%s' "$lines" | grep -c '')
        if [ "$count" -eq 0 ]; then
            fault="exit 0; no log line naming $expect_label"
        elif [ "$count" -gt "$max_lines" ]; then
            fault="exit 0; $count log lines naming $expect_label: $(echo "$lines" | head -1)"
        fi
    fi
    if [ -z "$fault" ]; then
        echo "PASS $(cat "$dir/seconds_taken") $file $variant" >"$work/results/$id"
        rm -rf "$dir"
    else
        printf 'FAIL %s %s %s: %s\n' "$(cat "$dir/seconds_taken")" "$file" "$variant" "$fault" \
            >"$work/results/$id"
    fi
}

# The unbroken game with every sound played and the console open: the lines it logs by
# itself do not count as naming a broken file.
run_baseline() {
    local dir=$work/baseline file fault
    copy_game "$dir"
    for file in "${data_files[@]}"; do
        [[ $file == data/sfx/* ]] && echo "Audio::PlayEffect(\"$file\");" >>"$dir/autoexec.txt"
    done
    printf '%s\n' "Debug::ToggleConsole()" "$(autoplay_line 4.5)" >>"$dir/autoexec.txt"
    run_game "$dir" 4.5
    fault=$(run_fault "$dir")
    if [ -n "$fault" ]; then
        echo "FAIL: the unbroken game: $fault"
        echo "kept in $dir"
        exit 1
    fi
    tail -n +6 "$dir/log.txt" | grep -v '^$' >"$work/baseline_lines"
    echo "unbroken game: $(cat "$dir/seconds_taken") s, $(wc -l <"$work/baseline_lines") log lines"
}

mapfile -t data_files < <(cd "$source_dir/game" && find data -type f | LC_ALL=C sort)
[ "${#data_files[@]}" -gt 0 ] || { echo "FAIL: no files under $source_dir/game/data"; exit 1; }
mkdir -p "$work/results" "$work/runs"
"$python" "$support/make_bad_data.py" huge-png "$work/huge.png" 16000 8000 &&
    "$python" "$support/make_bad_data.py" huge-gif "$work/huge.gif" 16000 8000 ||
    { echo "FAIL: could not make the huge pictures"; exit 1; }
run_baseline

started=$(date +%s)
running=0
for file in "${data_files[@]}"; do
    plan "$file"
    for variant in "${variants[@]}"; do
        [ -z "$only" ] || echo "$file $variant" | grep -qE -- "$only" || continue
        if [ "$running" -ge "$jobs_max" ]; then
            wait -n
            running=$((running - 1))
        fi
        run_variant "$file" "$variant" &
        running=$((running + 1))
    done
done
wait

total=$(find "$work/results" -type f | wc -l)
failed=$(cat "$work/results"/* 2>/dev/null | grep -c '^FAIL')
echo "$total runs of ${#data_files[@]} files in $(($(date +%s) - started)) s; $failed failed"
echo "slowest: $(cat "$work/results"/* 2>/dev/null | sort -k2 -rn | head -3 | cut -d' ' -f2-4 |
    sed 's/:$//' | paste -sd ',' -)"
if [ "$total" -eq 0 ]; then
    echo "FAIL: no variant matches \"$only\""
    exit 1
fi
if [ "$failed" -gt 0 ]; then
    cat "$work/results"/* | grep '^FAIL' | sort -k3,3 -k4,4 | cut -d' ' -f1,3-
    echo "FAIL: $failed of $total runs; their directories are kept in $work/runs"
    exit 1
fi
rm -rf "$work"
echo PASS
