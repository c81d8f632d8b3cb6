#!/usr/bin/env bash
# Checks two rules of the source tree's structure and fails when either is broken:
#  1. Includes run down the floors only: a file may include its own folder's headers and
#     those of any lower floor, never a higher one nor a neighbour on its own floor.
#  2. SDL headers are included, and SDL, SDL_mixer and SDL_image called, only in the SDL
#     back ends (the seam), the web platform file and the thin main; a call also counts when
#     the header came in through another one.
# Usage: scripts/check-structure.sh [SOURCE_ROOT]   (default: this repository)
# It lists every violation and every file that includes an SDL header, then the counts.
set -uo pipefail

root=$(realpath "${1:-$(dirname "$0")/..}")
src="$root/engine/src"
[ -d "$src" ] || { echo "no engine/src under $root"; exit 2; }

# The floors, lowest first. A folder of the table holds its subfolders unless they have a
# line of their own (utils/logger is utils; utils/media is not).
FLOORS='
0 types designpatterns Services.h
1 utils
2 utils/media inputdevice gfx platform
3 gfx/font gfx/sdl
4 ui
5 tasks
6 selftest tasks/task_sdl tasks/task_sdl_mixer tasks/task_ui tasks/demo
7 tasks/task_input tasks/task_debug
8 game
9 main
'
# Where SDL may be included: the back-end folders, the web platform file and the executable.
SDL_SEAM='^(tolm/gfx/sdl/|tolm/tasks/task_sdl[a-z_]*/|tolm/platform/WebPlatform\.cpp$|main\.cpp$)'

declare -A floor_of
while read -r floor names; do
    for name in $names; do floor_of[$name]=$floor; done
done <<<"$FLOORS"

# The table's name for a path relative to engine/src: the longest folder that holds it.
component() {
    local path=$1 dir best=""
    case $path in
        main.cpp) echo main; return ;;
        game/*) echo game; return ;;
    esac
    dir=${path#tolm/}
    dir=${dir%/*}
    while :; do
        if [ -n "${floor_of[$dir]:-}" ]; then best=$dir; break; fi
        [ "$dir" = "${dir%/*}" ] && break
        dir=${dir%/*}
    done
    echo "$best"
}

cd "$src" || exit 2
files=$(find . \( -name '*.cpp' -o -name '*.h' \) | sed 's#^\./##' | sort)

floor_violations=0
unplaced=0
for file in $files; do
    from=$(component "$file")
    if [ -z "$from" ]; then
        echo "NOT IN THE TABLE: $file"
        unplaced=$((unplaced + 1))
        continue
    fi
    while IFS= read -r included; do
        [ -n "$included" ] || continue
        # Paths are written from engine/src; a bare name is the including file's neighbour.
        if [ -f "$included" ]; then
            target=$included
        elif [ -f "$(dirname "$file")/$included" ]; then
            target=$(realpath --relative-to=. "$(dirname "$file")/$included")
        else
            continue
        fi
        to=$(component "$target")
        [ -z "$to" ] || [ "$to" = "$from" ] && continue
        if [ "${floor_of[$to]}" -ge "${floor_of[$from]}" ]; then
            echo "UP A FLOOR: $file ($from, floor ${floor_of[$from]})" \
                "includes $target ($to, floor ${floor_of[$to]})"
            floor_violations=$((floor_violations + 1))
        fi
    done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' "$file")
done

echo "Files that include SDL headers, and files outside the seam that call SDL:"
sdl_violations=0
sdl_files=0
sdl_call='\b(SDL|Mix|IMG)_[A-Za-z0-9_]+[[:space:]]*\(|\bSDLK_'
sdl_include='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](SDL/)?SDL[A-Za-z0-9_]*\.h[>"]'
sdl_calls=0
for file in $files; do
    if [[ ! $file =~ $SDL_SEAM ]] &&
        sed -E 's#//.*##' "$file" | grep -qE "$sdl_call"; then
        echo "  $file calls SDL   <- OUTSIDE THE SEAM"
        sdl_calls=$((sdl_calls + 1))
    fi
    grep -qE "$sdl_include" "$file" || continue
    sdl_files=$((sdl_files + 1))
    if [[ $file =~ $SDL_SEAM ]]; then
        echo "  $file"
    else
        echo "  $file   <- OUTSIDE THE SEAM"
        sdl_violations=$((sdl_violations + 1))
    fi
done

echo "Includes up a floor: $floor_violations; files outside the table: $unplaced;" \
    "files that include SDL outside the seam: $sdl_violations (of $sdl_files that include it);" \
    "files that call SDL outside the seam: $sdl_calls"
[ "$floor_violations" -eq 0 ] && [ "$unplaced" -eq 0 ] && [ "$sdl_violations" -eq 0 ] &&
    [ "$sdl_calls" -eq 0 ]
