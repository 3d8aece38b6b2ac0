#!/bin/sh
# Plays each full-course stage's key script (tests/data/stages/<map>.keys) in
# the headless runner and keeps the replay the game writes when the heroine
# reaches the goal: content/replay/<progress>.rec, which the build copies into
# the game folder for the attract demo. Needs a built tree (BUILD_DIR, default
# build). Rerun it after rewriting a stage's key script; the test
# `StageReplay.*` says when a shipped replay no longer matches its script.
#
#   scripts/stage-replays.sh                  # every full-course stage
#   scripts/stage-replays.sh stage2_3         # only these
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
. scripts/stage-names.sh

scratch=$(mktemp -d /tmp/vrels-replays-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir -p content/replay
failed=""
for map in ${*:-$FULL_COURSE}; do
    case " $(echo $FULL_COURSE) " in
    *" $map "*) ;;
    *)
        echo "$map: not a full-course stage (the demo plays only those)" >&2
        failed="$failed $map"
        continue
        ;;
    esac
    scene=$(scene_of "$map")
    # Its progress number: stage2_3 -> 23, stage2_boss -> 25.
    progress=$(echo "$map" | sed -e 's/^stage\([0-9]\)_boss$/\15/' -e 's/^stage\([0-9]\)_\([0-9]\)$/\1\2/')
    keys="tests/data/stages/$map.keys"
    if [ ! -f "$keys" ]; then
        echo "$map: no key script" >&2
        failed="$failed $map"
        continue
    fi
    folder="$scratch/$map"
    link_game_folder "$folder"
    last=$(last_frame "$keys")
    "$BUILD_DIR/bin/vrels-run" --dir "$folder" --scene "$scene" --keys "$keys" \
        --frames $((last + 420)) >/dev/null
    if [ -f "$folder/replay/$progress.rec" ]; then
        cp "$folder/replay/$progress.rec" "content/replay/$progress.rec"
        echo "$map: content/replay/$progress.rec ($(wc -c <"$folder/replay/$progress.rec") frames)"
    else
        echo "$map: the key script wrote no replay" >&2
        failed="$failed $map"
    fi
done
if [ -n "$failed" ]; then
    echo "no replay for:$failed" >&2
    exit 1
fi
