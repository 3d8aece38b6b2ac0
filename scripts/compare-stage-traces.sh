#!/bin/sh
# Plays every stage's clear script, secret script and attract-demo replay on
# the maps of another revision and on the maps of the working tree, and
# compares the two traces frame by frame: a change that should only alter a
# map's pictures must leave every run byte-identical. Needs a built tree
# (BUILD_DIR, default build).
#
#   scripts/compare-stage-traces.sh                  # HEAD's maps against the working tree's
#   scripts/compare-stage-traces.sh main stage1_4    # main's maps, only these stages
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
. scripts/stage-names.sh
rev=${1:-HEAD}
[ $# -gt 0 ] && shift

scratch=$(mktemp -d /tmp/vrels-traces-XXXXXX)
[ -n "$KEEP_SCRATCH" ] || trap 'rm -rf "$scratch"' EXIT

# A game folder whose map/ holds the compiled maps of $2 (a folder of sources).
game_with_maps() {
    link_game_folder "$1"
    rm "$1/map"
    mkdir "$1/map"
    for entry in "$BUILD_DIR"/game/map/*; do
        ln -s "$(realpath "$entry")" "$1/map/"
    done
    for source in "$2"/*.map; do
        name=$(basename "$source" .map)
        rm -f "$1/map/$name.tm2"
        "$BUILD_DIR/bin/vrels-mapc" "$source" -o "$1/map/$name.tm2"
    done
}

mkdir -p "$scratch/old-src"
for source in content/maps/*.map; do
    git show "$rev:$source" >"$scratch/old-src/$(basename "$source")" 2>/dev/null ||
        rm -f "$scratch/old-src/$(basename "$source")"
done

# Runs one script ($3: keys FILE, or a replay for the demo) in a fresh folder
# made from the maps in $2 and prints where its trace went.
run_case() {
    folder="$scratch/run-$1-$(basename "$2")-$(basename "$3")"
    game_with_maps "$folder" "$2"
    scene=$(scene_of "$1")
    case "$3" in
    *.rec)
        cp "$3" "$folder/replay/"
        frames=$(($(wc -c <"$3") + 1800))
        "$BUILD_DIR/bin/vrels-run" --dir "$folder" --scene "$scene" --demo \
            --frames "$frames" --trace "$folder/demo.jsonl" >/dev/null
        # Back at the title the game picks its next demo at random: compare
        # the stage's own frames only.
        awk -v scene="\"scene\":\"$scene\"" 'index($0, scene) { seen = 1; print; next }
            seen { exit } { print }' "$folder/demo.jsonl" >"$folder/trace.jsonl"
        ;;
    *)
        frames=$(($(last_frame "$3") + 420))
        "$BUILD_DIR/bin/vrels-run" --dir "$folder" --scene "$scene" --keys "$3" \
            --frames "$frames" --trace "$folder/trace.jsonl" >/dev/null
        ;;
    esac
    echo "$folder/trace.jsonl"
}

same=0
total=0
differing=""
for map in ${*:-$FULL_COURSE $TRIAL_COURSE}; do
    progress=$(echo "$map" | sed -e 's/^stage\([0-9]\)_boss$/\15/' -e 's/^stage\([0-9]\)_\([0-9]\)$/\1\2/')
    for script in "tests/data/stages/$map.keys" "tests/data/stages/$map.secret.keys" \
        "content/replay/$progress.rec"; do
        [ -f "$script" ] || continue
        old=$(run_case "$map" "$scratch/old-src" "$script")
        new=$(run_case "$map" content/maps "$script")
        total=$((total + 1))
        if cmp -s "$old" "$new"; then
            same=$((same + 1))
            echo "$map $(basename "$script"): identical ($(wc -l <"$new") frames)"
        else
            differing="$differing $map:$(basename "$script")"
            echo "$map $(basename "$script"): DIFFERENT from frame $(cmp "$old" "$new" | sed 's/.*line //')"
        fi
    done
done
echo "$same of $total traces identical"
[ -z "$differing" ] || { echo "different:$differing" >&2; exit 1; }
