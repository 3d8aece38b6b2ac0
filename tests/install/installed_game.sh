#!/bin/sh
# Installs the game (and the runner) into a temporary prefix and checks, as a
# player on a multi-user machine would:
#   - the layout: executable, data, desktop entry, icons, AppStream metadata;
#   - run from another folder, the installed copy finds its data and writes
#     its settings, replay and log under the XDG folders, creating them, and
#     nothing under the prefix or in the working directory;
#   - a file in the user's data folder replaces the installed one: the frame
#     shows the same picture as a portable folder modded in place;
#   - a portable copy (data beside the executable) still writes beside itself;
#   - the installed game itself starts, logs to the state folder and ends
#     cleanly on SIGTERM.
# usage: installed_game.sh BUILD_DIR SOURCE_DIR CMAKE
set -eu
build=$1
src=$2
cmake=$3
id=org.vrels.skarov

work=$(mktemp -d /tmp/vrels-install-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
"$cmake" --install "$build" --prefix "$prefix" --component tools >/dev/null
data=$prefix/share/games/vrels

# ---- Layout ----
[ -x "$prefix/games/vrels" ] || fail "no game executable"
[ -x "$prefix/games/vrels-run" ] || fail "no runner with --component tools"
for sub in gfx map bgm se adv replay; do
    [ -d "$data/$sub" ] || fail "no data folder $sub"
done
for written in log.txt vrels.ini score.ini replay/0.rec; do
    [ ! -e "$data/$written" ] || fail "a file written by test runs was installed: $written"
done
desktop=$prefix/share/applications/$id.desktop
[ -f "$desktop" ] || fail "no desktop entry"
grep -qx "Exec=$prefix/games/vrels" "$desktop" || fail "Exec does not name the installed game"
grep -qx "Icon=$id" "$desktop" || fail "Icon is not $id"
grep -q '^Categories=Game;' "$desktop" || fail "not in the Game category"
[ -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no SVG icon"
png=$prefix/share/icons/hicolor/256x256/apps/$id.png
[ -f "$png" ] || fail "no PNG icon"
# PNG width and height, big-endian, at bytes 16 to 23.
size=$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')
[ "$size" = "0000010000000100" ] || fail "the PNG icon is not 256 x 256 ($size)"
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metadata"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli rejects $metainfo"
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
fi

# Everything under a folder: path, size, modification time.
snapshot() {
    if [ -d "$1" ]; then (cd "$1" && find . -printf '%p %s %T@\n' | sort); fi
}

# A plain grey picture of the size of the one it replaces (TGA, 24 bits).
plain_tga() { # FROM TO
    width=$(od -An -tu2 -j12 -N2 "$1" | tr -d ' ')
    height=$(od -An -tu2 -j14 -N2 "$1" | tr -d ' ')
    mkdir -p "$(dirname "$2")"
    {
        printf '\000\000\002\000\000\000\000\000\000\000\000\000'
        dd if="$1" bs=1 skip=12 count=4 2>/dev/null
        printf '\030\040'
        head -c $((width * height * 3)) /dev/zero | tr '\000' '\200'
    } >"$2"
}

elsewhere=$work/elsewhere
mkdir -p "$elsewhere"
keys=$src/tests/data/stage/test_map_run.keys
backdrop=gfx/bg/bg1.tga
# The test stage played by its key script: the whole run (as long as
# tests/scene/stage/StageRunTest.cpp plays it) reaches the goal, which writes
# the replay.
full_run=3000
run_stage() { # RUNNER SHOTS FRAMES
    mkdir -p "$2"
    (cd "$elsewhere" && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy VRELS_NO_DIALOGS=1 \
        "$1" --scene Stage0Scene --frames "$3" --keys "$keys" --shot-at 200 --shots "$2" \
        >"$work/run.out" 2>&1) || {
        cat "$work/run.out" >&2
        fail "$1 failed"
    }
}

# ---- The installed runner, user folders in a temporary home ----
export HOME=$work/home
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_STATE_HOME=$work/state
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/vrels"
# A progress below the test stage's makes the game write it back.
printf '[Save]\nLastStage=-1\n' >"$XDG_CONFIG_HOME/vrels/vrels.ini"
before=$(snapshot "$prefix")

run_stage "$prefix/games/vrels-run" "$work/shipped" "$full_run"
[ -s "$XDG_STATE_HOME/vrels/log.txt" ] || fail "no log in the state folder"
grep -q 'Direct3DCreate9' "$XDG_STATE_HOME/vrels/log.txt" || fail "the log lacks the start-up lines"
grep -q 'No window icon\|IMG_Load failed' "$XDG_STATE_HOME/vrels/log.txt" &&
    fail "the window did not get the installed icon"
[ -s "$XDG_DATA_HOME/vrels/replay/0.rec" ] || fail "no replay in the user's data folder"
grep -q '^LastStage=0' "$XDG_CONFIG_HOME/vrels/vrels.ini" || fail "the settings were not written"
[ -f "$work/shipped/shot_000200.png" ] || fail "no frame captured"
[ "$(snapshot "$prefix")" = "$before" ] || fail "the run wrote under the prefix"
[ -z "$(ls -A "$elsewhere")" ] || fail "the run wrote into its working directory"

# ---- A user file replaces the installed one ----
plain_tga "$data/$backdrop" "$XDG_DATA_HOME/vrels/$backdrop"
run_stage "$prefix/games/vrels-run" "$work/override" 200
cmp -s "$work/shipped/shot_000200.png" "$work/override/shot_000200.png" &&
    fail "the override did not change the frame"
[ "$(snapshot "$prefix")" = "$before" ] || fail "the run wrote under the prefix"

# ---- A portable copy writes beside itself ----
portable=$work/portable
mkdir -p "$portable"
cp "$prefix/games/vrels-run" "$portable/"
cp -R "$data/." "$portable/"
plain_tga "$data/$backdrop" "$portable/$backdrop"
printf '[Save]\nLastStage=-1\n' >"$portable/vrels.ini"
users=$(snapshot "$work/config")$(snapshot "$work/data")$(snapshot "$work/state")
run_stage "$portable/vrels-run" "$work/portable-shots" "$full_run"
[ -s "$portable/log.txt" ] || fail "the portable copy wrote no log beside itself"
[ -s "$portable/replay/0.rec" ] || fail "the portable copy wrote no replay beside itself"
grep -q '^LastStage=0' "$portable/vrels.ini" || fail "the portable settings were not written"
[ "$(snapshot "$work/config")$(snapshot "$work/data")$(snapshot "$work/state")" = "$users" ] ||
    fail "the portable copy wrote into the user's folders"
cmp -s "$work/override/shot_000200.png" "$work/portable-shots/shot_000200.png" ||
    fail "the user's file did not draw as the same file in a portable folder"

# ---- Defaults under HOME, folders created when missing ----
(
    unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_STATE_HOME
    cd "$elsewhere"
    SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy VRELS_NO_DIALOGS=1 \
        "$prefix/games/vrels-run" --frames 5 >"$work/run.out" 2>&1
) || fail "the runner failed with the default folders"
[ -s "$HOME/.local/state/vrels/log.txt" ] || fail "no log in ~/.local/state/vrels"
[ -d "$HOME/.config/vrels" ] || fail "~/.config/vrels was not created"
[ -d "$HOME/.local/share/vrels/replay" ] || fail "~/.local/share/vrels/replay was not created"

# ---- The installed game: starts, logs, ends on SIGTERM ----
rm -f "$XDG_STATE_HOME/vrels/log.txt"
cd "$elsewhere"
SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy VRELS_NO_DIALOGS=1 \
    "$prefix/games/vrels" >"$work/game.out" 2>&1 &
game=$!
waited=0
until grep -qs 'Direct3DCreate9' "$XDG_STATE_HOME/vrels/log.txt"; do
    waited=$((waited + 1))
    if [ $waited -gt 600 ] || ! kill -0 $game 2>/dev/null; then
        kill $game 2>/dev/null || true
        cat "$work/game.out" >&2
        fail "the installed game did not start"
    fi
    sleep 0.1
done
sleep 1
kill -TERM $game
status=0
wait $game || status=$?
[ $status -eq 0 ] || fail "the game ended with $status on SIGTERM"
[ "$(snapshot "$prefix")" = "$before" ] || fail "the game wrote under the prefix"
[ -z "$(ls -A "$elsewhere")" ] || fail "the game wrote into its working directory"
echo "installed game: all checks passed"
