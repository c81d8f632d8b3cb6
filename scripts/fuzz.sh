#!/usr/bin/env bash
# Builds the libFuzzer targets (engine/fuzz/*Fuzz.cpp) in a clang tree of their own and runs
# them, each from a copy of its seed corpus, so that nothing in the source tree is written.
#
#   scripts/fuzz.sh [SECONDS [TARGET...]]   build into build-fuzz, then run every target (or
#                                           the ones named) for SECONDS each (default 600)
#   scripts/fuzz.sh --build DIR             only configure and build the tree in DIR
#   scripts/fuzz.sh --run DIR SECONDS TARGET  run one target built in DIR
#
# Each run uses -timeout=2 -rss_limit_mb=2048, prints its run count, and keeps what it finds
# in DIR/artifacts/TARGET/. Targets run in a scratch folder holding a copy of game/data and
# engine/fuzz/data, since the readers find pictures relative to the working directory, as
# the game does. Needs clang and libclang-rt-dev (scripts/install-deps.sh --test).
set -euo pipefail

source_dir="$(cd "$(dirname "$0")/.." && pwd)"

build_tree() {
    local dir="$1"
    if ! command -v clang++ >/dev/null; then
        echo "fuzz: clang++ not found; scripts/install-deps.sh --test installs it" >&2
        return 77
    fi
    CC=clang CXX=clang++ cmake -S "$source_dir" -B "$dir" -DTOLM_FUZZ=ON >/dev/null
    cmake --build "$dir" -j "$(nproc)" --target tolm_fuzz
}

# A subshell, so that the scratch folder goes however the run ends.
run_target() (
    local dir seconds="$2" target="$3"
    dir="$(cd "$1" 2>/dev/null && pwd)" || dir="$1"
    local binary="$dir/$target"
    if [ ! -x "$binary" ]; then
        # fuzz.build was skipped for want of clang, or failed and said why.
        echo "fuzz: $binary is not built (scripts/fuzz.sh --build $dir)" >&2
        return 77
    fi
    local artifacts="$dir/artifacts/$target"
    local log="$dir/logs/$target.log"
    mkdir -p "$artifacts" "$dir/logs"
    local scratch
    scratch="$(mktemp -d "${TMPDIR:-/tmp}/tolm-fuzz-$target.XXXXXX")"
    # shellcheck disable=SC2064  # the folder's name is fixed now
    trap "rm -rf '$scratch'" EXIT
    mkdir -p "$scratch/corpus"
    cp -r "$source_dir/game/data" "$scratch/data"
    cp -r "$source_dir/engine/fuzz/data/." "$scratch/data/"
    if [ -d "$source_dir/engine/fuzz/corpus/$target" ]; then
        cp -r "$source_dir/engine/fuzz/corpus/$target/." "$scratch/corpus/"
    fi
    local options=(-max_total_time="$seconds" -timeout=2 -rss_limit_mb=2048 -print_final_stats=1
                   -artifact_prefix="$artifacts/")
    [ -f "$source_dir/engine/fuzz/$target.dict" ] && options+=(-dict="$source_dir/engine/fuzz/$target.dict")

    local status=0
    (cd "$scratch" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
        "$binary" "${options[@]}" corpus >"$log" 2>&1) || status=$?
    local runs
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
    if [ "$status" -ne 0 ]; then
        tail -n 60 "$log"
        echo "fuzz: $target FAILED (exit $status) after ${runs:-?} runs; input kept in $artifacts/, log in $log"
        return 1
    fi
    echo "fuzz: $target ok, ${runs:-?} runs in ${seconds} s"
)

all_targets() {
    for source in "$source_dir"/engine/fuzz/*Fuzz.cpp; do basename "$source" .cpp; done
}

case "${1:-}" in
    --build)
        build_tree "$2"
        ;;
    --run)
        run_target "$2" "$3" "$4"
        ;;
    *)
        seconds="${1:-600}"
        [ $# -gt 0 ] && shift
        targets=("$@")
        [ ${#targets[@]} -eq 0 ] && mapfile -t targets < <(all_targets)
        dir="$source_dir/build-fuzz"
        build_tree "$dir"
        failed=0
        for target in "${targets[@]}"; do
            run_target "$dir" "$seconds" "$target" || failed=1
        done
        exit "$failed"
        ;;
esac
