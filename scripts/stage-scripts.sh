#!/bin/sh
# Searches a key script that clears each named stage (all stages when none is
# named) and writes it to tests/data/stages/<map>.keys, where the stage-clear
# test replays it. Needs a built tree (BUILD_DIR, default build).
#
#   scripts/stage-scripts.sh                  # every stage
#   scripts/stage-scripts.sh stage2_3 trial1_1
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
ALL="stage1_1 stage1_2 stage1_3 stage1_4 stage1_boss
stage2_1 stage2_2 stage2_3 stage2_4 stage2_boss
stage3_1 stage3_2 stage3_3 stage3_4 stage3_boss
stage4_1 stage4_2 stage4_3
stage5_1 stage5_2 stage5_3 stage5_4 stage5_boss
trial1_1 trial1_2 trial1_3 trial_boss"

# The stage class that plays a map: stage2_3 -> Stage2_3Scene,
# stage2_boss -> Stage2bossScene, trial1_2 -> Trial1_2Scene, trial_boss -> TrialBossScene.
scene_of() {
    case "$1" in
    trial_boss) echo TrialBossScene ;;
    stage*_boss) echo "Stage$(echo "$1" | sed 's/^stage\([0-9]\)_boss$/\1/')bossScene" ;;
    stage*) echo "Stage${1#stage}Scene" ;;
    trial*) echo "Trial${1#trial}Scene" ;;
    *) echo "unknown stage $1" >&2; exit 2 ;;
    esac
}

failed=""
for map in ${*:-$ALL}; do
    scene=$(scene_of "$map")
    echo "== $map ($scene)"
    # A failed search leaves its furthest attempt in /tmp, not over a good script.
    if "$BUILD_DIR/bin/vrels-autoplay" --dir "$BUILD_DIR/game" --scene "$scene" \
        --out "/tmp/$map.keys" ${AUTOPLAY_OPTIONS:-}; then
        mv "/tmp/$map.keys" "tests/data/stages/$map.keys"
    else
        failed="$failed $map"
        echo "furthest attempt: /tmp/$map.keys" >&2
    fi
done
if [ -n "$failed" ]; then
    echo "no clear found for:$failed" >&2
    exit 1
fi
