#!/bin/sh
# The search clears a small stage, best first and as a beam, and the script it
# writes replays to the goal: the snapshots it rebuilt by replay on the way
# were the very game their path had played. A second search finds the same
# script: the snapshots serve only the tries meant for them. Aimed at a cell
# (the magazine's), the search stops there, short of the mirror.
#   search-clears.sh BIN_DIR GAME_DIR MAP_SOURCE
set -e
bin=$1
game=$2
source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin/vrels-mapc" "$source" -o "$work/search_hall.tm2"
for mode in "" "--beam 3"; do
    echo "== search ${mode:-best first}"
    for run in 1 2; do
        # shellcheck disable=SC2086
        "$bin/vrels-autoplay" --dir "$game" --map "$work/search_hall.tm2" \
            --out "$work/clear$run.keys" $mode
    done
    "$bin/vrels-autoplay" --dir "$game" --map "$work/search_hall.tm2" --check "$work/clear1.keys"
    cmp "$work/clear1.keys" "$work/clear2.keys"
done

# Progress piped into a reader that has gone (| head): the search ends and
# writes its script instead of waiting for ever on a snapshot killed halfway.
echo "== a search whose progress nobody reads"
mkfifo "$work/progress"
(exec 3<"$work/progress"; exec 3<&-) &
status=0
timeout 120 "$bin/vrels-autoplay" --dir "$game" --map "$work/search_hall.tm2" \
    --out "$work/unread.keys" 2>"$work/progress" || status=$?
wait
if [ "$status" -gt 1 ]; then
    echo "vrels-autoplay ended with status $status" >&2
    exit 1
fi
[ -s "$work/unread.keys" ] || { echo "no key script written" >&2; exit 1; }

echo "== search aimed at the magazine's cell"
"$bin/vrels-autoplay" --dir "$game" --map "$work/search_hall.tm2" --goal-at 8,12 \
    --out "$work/aim.keys"
grep -q "start to cell 8,12" "$work/aim.keys"
# Played on, the script ends with her standing in that cell, not at the goal.
ending=$("$bin/vrels-autoplay" --dir "$game" --map "$work/search_hall.tm2" \
    --check "$work/aim.keys" || true)
echo "$ending"
x=$(echo "$ending" | sed -n 's/^still playing after frame [0-9]*, map x \([0-9]*\) y .*/\1/p')
[ -n "$x" ] && [ $((x / 32)) -eq 8 ]
