#!/bin/sh
# Plays key scripts of stages in the headless runner and prints what each clear
# asks of the player, read the way the stage-target test reads it: the frame
# the goal is reached, the rows stood on, the height span, whether the view
# scrolled vertically, the seconds spent moving left, and lives and score at
# the goal (a secret script should show one more life, or 1000 more score than
# the clear). Lets a designer check a stage before the test suite is rebuilt.
# Needs a built tree (BUILD_DIR, default build).
#
#   scripts/stage-figures.sh stage2_3               # its clear and secret scripts
#   scripts/stage-figures.sh stage2_3 /tmp/try.keys # another script of it
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
. scripts/stage-names.sh

map=$1
if [ -z "$map" ]; then
    echo "usage: scripts/stage-figures.sh MAP [KEYS...]" >&2
    exit 2
fi
shift
scene=$(scene_of "$map")
if [ $# -eq 0 ]; then
    set -- "tests/data/stages/$map.keys"
    [ -f "tests/data/stages/$map.secret.keys" ] && set -- "$@" "tests/data/stages/$map.secret.keys"
fi

scratch=$(mktemp -d /tmp/vrels-figures-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
for keys in "$@"; do
    folder="$scratch/game"
    rm -rf "$folder"
    link_game_folder "$folder"
    last=$(last_frame "$keys")
    "$BUILD_DIR/bin/vrels-run" --dir "$folder" --scene "$scene" --keys "$keys" \
        --frames $((last + 420)) --trace "$scratch/trace.jsonl" >/dev/null
    python3 - "$scratch/trace.jsonl" "$scene" "$keys" <<'EOF'
import json, sys

trace, scene, keys = sys.argv[1:]
rows, top, bottom, tall, left, last_x = set(), None, None, False, 0, None
goal = miss = 0
lives_start = lives_goal = score_goal = 0


def flat(d, out):
    # The test finds a field by its key anywhere in the line.
    for key, value in d.items():
        if isinstance(value, dict):
            flat(value, out)
        elif key not in out:
            out[key] = value
    return out


for frame, line in enumerate(open(trace), 1):
    f = flat(json.loads(line), {})
    if f.get("scene") != scene:
        break
    if str(f.get("vState", "2")) != "2":
        tall = True
    if frame == 1:
        lives_start = int(f.get("lives", 0))
    if "lifeState" not in f:
        continue
    if str(f.get("lifeState")) != "0":
        miss = frame
        break
    x = float(f["col"]) * 32 - float(f["subX"]) + float(f["x"])
    y = float(f["row"]) * 32 - float(f["subY"]) + float(f["y"])
    top = y if top is None else min(top, y)
    bottom = y if bottom is None else max(bottom, y)
    left += 1 if last_x is not None and x < last_x else 0
    last_x = x
    if str(f.get("jumpState")) == "0":
        rows.add(round(y / 32))
    if f.get("goalReached") is True:
        goal, lives_goal, score_goal = frame, int(f.get("lives", 0)), int(f.get("score", 0))
        break
span = 0 if top is None else int(bottom - top)
print(f"{keys}:")
if goal:
    print(f"  goal at frame {goal} ({goal / 60:.1f} s)")
else:
    print(f"  NO GOAL" + (f" (missed at frame {miss})" if miss else ""))
print(f"  {len(rows)} rows stood on, height span {span} px"
      f"{' (taller than a screen)' if tall else ''}, {left / 60:.1f} s moving left")
print(f"  lives {lives_start} -> {lives_goal}, score at the goal {score_goal}")
EOF
done
