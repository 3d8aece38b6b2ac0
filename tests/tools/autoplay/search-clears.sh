#!/bin/sh
# The search clears a small stage, best first and as a beam, and the script it
# writes replays to the goal: the snapshots it rebuilt by replay on the way
# were the very game their path had played.
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
    # shellcheck disable=SC2086
    "$bin/vrels-autoplay" --dir "$game" --map "$work/search_hall.tm2" \
        --out "$work/clear.keys" $mode
    "$bin/vrels-autoplay" --dir "$game" --map "$work/search_hall.tm2" --check "$work/clear.keys"
done
