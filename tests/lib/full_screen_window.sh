#!/bin/sh
# The game starts full screen by default. On an X display without a window
# manager (a kiosk, or xvfb-run) nobody resizes its window for it: the window
# must cover the screen by itself, or SDL draws a desktop-sized picture into a
# small window and only one magnified corner shows. Switching to a window and
# back (Alt+Enter) must land on the window's own size and the screen's again.
# usage: full_screen_window.sh GAME_DIR
set -eu
game=$1
for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/deps.sh)" >&2; exit 1; }
done

work=$(mktemp -d /tmp/vrels-fullscreen-XXXXXX)
trap 'rm -rf "$work"' EXIT
# A folder of its own: the game writes its settings and log beside itself.
cp "$game/vrels" "$work/vrels"
for sub in adv bgm gfx map se; do
    ln -s "$game/$sub" "$work/$sub"
done

cat >"$work/check.sh" <<'CHECK'
#!/bin/sh
set -u
cd "$1"
# A lock of its own: the game lets one copy run per player, and a copy
# started by another test (or a player's) must not make this one bow out.
export XDG_RUNTIME_DIR="$1/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# The real X window, whatever driver the rest of the suite runs headless with.
SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy VRELS_NO_DIALOGS=1 ./vrels >/dev/null 2>&1 &
pid=$!
# SDL may make its window again when the renderer wants another visual, so
# the window is looked up afresh each time.
window() {
    xdotool search --onlyvisible --name "Vrel's Skarov" 2>/dev/null | tail -n 1
}
# The window's size once it is WIDTHxHEIGHT, or what it still is after 15 s.
geometry() {
    size=""
    for _ in $(seq 1 75); do
        size=$(xdotool getwindowgeometry "$(window)" 2>/dev/null | sed -n 's/^ *Geometry: //p')
        [ "$size" = "$1" ] && break
        sleep 0.2
    done
    echo "${size:-no window}"
}
# (it may vanish for a moment while SDL makes it again).
for _ in $(seq 1 600); do
    [ -n "$(window)" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: the game ended before it showed a window"; exit 1; }
    sleep 0.1
done
status=0
first=$(geometry 1024x768)
[ "$first" = "1024x768" ] || { echo "FAIL: full screen at start is $first, not 1024x768"; status=1; }
# Keys go through the X test extension to the window under the pointer, once
# the game has settled into its first scene.
sleep 3
xdotool key alt+Return
windowed=$(geometry 640x480)
[ "$windowed" = "640x480" ] || { echo "FAIL: windowed is $windowed, not 640x480"; status=1; }
xdotool key alt+Return
again=$(geometry 1024x768)
[ "$again" = "1024x768" ] || { echo "FAIL: full screen again is $again, not 1024x768"; status=1; }
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit $status
CHECK
xvfb-run -a -s "-screen 0 1024x768x24" sh "$work/check.sh" "$work"
