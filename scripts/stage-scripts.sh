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
. scripts/stage-names.sh
ALL="$FULL_COURSE $TRIAL_COURSE"

# The final boss's two forms race the stage's clock: a beam keeps every path
# the same age, where best first would spend the time on the longest-lived.
# The ember crypt's brain, whose leaps go on after a ceiling bump, leaves best
# first stalled at its last few hit points; the beam finishes it.
search_options_of() {
    case "$1" in
    stage5_boss | stage2_boss) echo "--beam 30 --budget 4000000" ;;
    esac
}

failed=""
for map in ${*:-$ALL}; do
    scene=$(scene_of "$map")
    echo "== $map ($scene)"
    # A failed search leaves its furthest attempt in /tmp, not over a good script.
    if "$BUILD_DIR/bin/vrels-autoplay" --dir "$BUILD_DIR/game" --scene "$scene" \
        --out "/tmp/$map.keys" ${AUTOPLAY_OPTIONS:-$(search_options_of "$map")}; then
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
