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
ALL="stage1_1 stage1_2 stage1_3 stage1_4 stage1_boss
stage2_1 stage2_2 stage2_3 stage2_4 stage2_boss
stage3_1 stage3_2 stage3_3 stage3_4 stage3_boss
stage4_1 stage4_2 stage4_3
stage5_1 stage5_2 stage5_3 stage5_4 stage5_boss"

scratch=$(mktemp -d /tmp/vrels-replays-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir -p content/replay
failed=""
for map in ${*:-$ALL}; do
    world=$(echo "$map" | sed 's/^stage\([0-9]\)_.*$/\1/')
    part=$(echo "$map" | sed 's/^stage[0-9]_\(.*\)$/\1/')
    if [ "$part" = boss ]; then
        scene="Stage${world}bossScene"
        progress="${world}5"
    else
        scene="Stage${world}_${part}Scene"
        progress="${world}${part}"
    fi
    keys="tests/data/stages/$map.keys"
    if [ ! -f "$keys" ]; then
        echo "$map: no key script" >&2
        failed="$failed $map"
        continue
    fi
    # A game folder of links to the built data, with an empty replay folder.
    folder="$scratch/$map"
    mkdir -p "$folder/replay"
    for entry in "$BUILD_DIR"/game/*; do
        case "$(basename "$entry")" in
        replay | log.txt | vrels.ini | score.ini) ;;
        *) ln -s "$(realpath "$entry")" "$folder/" ;;
        esac
    done
    last=$(sed 's/#.*//' "$keys" | awk 'NF { n = $1 } END { print n + 0 }')
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
