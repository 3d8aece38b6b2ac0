#!/bin/sh
# Measures the game's speed in one go and prints one table:
#   - headless runner frame steps a second on the test stage, idle and with
#     the stage's key script, and its peak memory;
#   - "vrels bench" frames a second in a window (under Xvfb unless DISPLAY is
#     set and BENCH_XVFB=0) next to vrels-ceiling, a bare SDL program drawing
#     the same number and area of quads with the same renderer settings;
#   - start-up time to the first presented frame.
# Expects a built tree (scripts/build.sh). Not part of the test suite.
#   BUILD_DIR   build folder (build)
#   SECONDS_WINDOWED  length of each windowed measurement (8)
set -e
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build}
RUN="$BUILD/bin/vrels-run"
CEILING="$BUILD/bin/vrels-ceiling"
GAME_DIR="$BUILD/game"
KEYS=tests/data/stage/test_map_run.keys
WINDOWED=${SECONDS_WINDOWED:-8}
for f in "$RUN" "$CEILING" "$GAME_DIR/vrels"; do
    [ -x "$f" ] || { echo "bench.sh: $f is missing; run scripts/build.sh" >&2; exit 1; }
done
WORK=$(mktemp -d /tmp/vrels-bench-XXXXXX)
trap 'rm -rf "$WORK"' EXIT INT TERM
export SDL_AUDIODRIVER=dummy VRELS_NO_DIALOGS=1

# The best of three runs: the machine may be shared, the best run is the least
# disturbed. Speeds are frame steps per second of the runner's processor time
# (what the program costs) and of wall-clock time (what other programs left it).
runner() { # runner ARGS... -> "CPU_RATE WALL_RATE PEAK_MIB"
    best=0
    wall=0
    peak=0
    for i in 1 2 3; do
        line=$("$RUN" --dir "$GAME_DIR" --scene Stage0Scene --stats "$@" | grep '^vrels-run:')
        w=$(echo "$line" | sed 's/.* s: \([0-9]*\) steps\/s; .*/\1/')
        c=$(echo "$line" | sed 's/.*processor time: \([0-9]*\) steps\/s.*/\1/')
        mem=$(echo "$line" | sed 's/.*peak memory \([0-9.]*\) MiB.*/\1/')
        [ "$c" -gt "$best" ] && best=$c
        [ "$w" -gt "$wall" ] && wall=$w
        peak=$(echo "$peak $mem" | awk '{print ($2 > $1) ? $2 : $1}')
    done
    echo "$best $wall $peak"
}
set -- $(runner --frames 200000)
IDLE_RATE=$1 IDLE_WALL=$2 IDLE_MEM=$3
set -- $(runner --frames 1600 --keys "$KEYS")
KEYS_RATE=$1 KEYS_WALL=$2 KEYS_MEM=$3
set -- $(runner --frames 20000 --keys "$KEYS" --shot-at 100,1000,10000,20000 --shots "$WORK/shots")
SHOTS_RATE=$1 SHOTS_WALL=$2 SHOTS_MEM=$3
LOAD=$(cut -d' ' -f1 /proc/loadavg)

# The game runs from a folder of its own: a copy of the program (settings are
# read beside it) with settings for a 640 x 480 window, and the data linked in,
# so the user's settings, log and replays stay as they are.
PLAY="$WORK/game"
mkdir -p "$PLAY/replay"
cp "$GAME_DIR/vrels" "$PLAY/vrels"
for sub in gfx map bgm se adv; do
    ln -s "$(cd "$GAME_DIR" && pwd)/$sub" "$PLAY/$sub"
done
printf '[Graphics]\nFullScreen=0\nWindowScale=1\n' > "$PLAY/vrels.ini"
cat > "$WORK/windowed.sh" <<INNER
#!/bin/sh
cd "$PLAY"
# A private lock folder, so a copy of the game running elsewhere cannot stop this one.
export XDG_RUNTIME_DIR="$WORK"
timeout -s TERM $WINDOWED ./vrels bench > "$WORK/game.txt" 2>&1 || true
INNER
chmod +x "$WORK/windowed.sh"
run_windowed() {
    if [ -n "$DISPLAY" ] && [ "${BENCH_XVFB:-1}" = 0 ]; then
        "$@"
    else
        xvfb-run -a -s "-screen 0 1024x768x24" "$@"
    fi
}
# Game and ceiling take turns, three times each, and the best run of each
# counts: on a shared machine the pair then sees similar conditions.
GAME_FPS=0
CEIL_FPS=0
GAME_CPU=0
CEIL_CPU=0
for round in 1 2 3; do
    run_windowed "$WORK/windowed.sh"
    line=$(grep '^bench:' "$WORK/game.txt" || true)
    [ -n "$line" ] || { echo "bench.sh: vrels bench printed no statistics:" >&2; cat "$WORK/game.txt" >&2; exit 1; }
    fps=$(echo "$line" | sed 's/.*drawn, \([0-9.]*\) frames\/s.*/\1/')
    cpu=$(echo "$line" | sed 's/.*, \([0-9.]*\) frames per processor second.*/\1/')
    if [ "$(echo "$fps $GAME_FPS" | awk '{print ($1 > $2)}')" = 1 ]; then
        GAME_FPS=$fps
        GAME_LINE=$line
    fi
    if [ "$(echo "$cpu $GAME_CPU" | awk '{print ($1 > $2)}')" = 1 ]; then
        GAME_CPU=$cpu
    fi
    if [ "$round" = 1 ]; then
        # The same number of quads covering the same area: one opaque 640 x 480
        # backdrop, the rest squares sharing the remaining area.
        QUADS=$(echo "$line" | sed 's/.*, \([0-9.]*\) quads.*/\1/')
        PIXELS=$(echo "$line" | sed 's/.*quads and \([0-9.]*\) pixels.*/\1/')
        N=$(echo "$QUADS" | awk '{n = int($1 + 0.5); print (n < 2) ? 2 : n}')
        SIZE=$(echo "$PIXELS $N" | awk '{a = ($1 - 307200) / ($2 - 1); print (a > 1) ? int(sqrt(a) + 0.5) : 1}')
    fi
    run_windowed "$CEILING" --quads "$N" --size "$SIZE" --seconds "$WINDOWED" > "$WORK/ceiling.txt" 2>&1 || true
    line=$(grep '^ceiling:' "$WORK/ceiling.txt" || true)
    [ -n "$line" ] || { echo "bench.sh: vrels-ceiling failed:" >&2; cat "$WORK/ceiling.txt" >&2; exit 1; }
    fps=$(echo "$line" | sed 's/.*: \([0-9.]*\) frames\/s.*/\1/')
    cpu=$(echo "$line" | sed 's/.*, \([0-9.]*\) frames per processor second.*/\1/')
    if [ "$(echo "$fps $CEIL_FPS" | awk '{print ($1 > $2)}')" = 1 ]; then
        CEIL_FPS=$fps
    fi
    if [ "$(echo "$cpu $CEIL_CPU" | awk '{print ($1 > $2)}')" = 1 ]; then
        CEIL_CPU=$cpu
    fi
done
P50=$(echo "$GAME_LINE" | sed 's/.*p50 \([0-9.]*\) ms.*/\1/')
P99=$(echo "$GAME_LINE" | sed 's/.*p99 \([0-9.]*\) ms.*/\1/')
FIRST=$(echo "$GAME_LINE" | sed 's/.*first frame \([0-9.]*\) ms.*/\1/')
RATIO=$(echo "$GAME_FPS $CEIL_FPS" | awk '{printf "%.2f", ($2 > 0) ? $1 / $2 : 0}')
CPU_RATIO=$(echo "$GAME_CPU $CEIL_CPU" | awk '{printf "%.2f", ($2 > 0) ? $1 / $2 : 0}')

printf '| measurement | result | target |\n'
printf '|---|---|---|\n'
printf '| vrels-run, test stage idle (200000 steps) | %s steps/s (wall clock %s) | >= 60000 |\n' "$IDLE_RATE" "$IDLE_WALL"
printf '| vrels-run, test stage key script (1600 steps) | %s steps/s (wall clock %s) | >= 40000 |\n' "$KEYS_RATE" "$KEYS_WALL"
printf '| vrels-run peak memory, no captures | %s MiB | <= 40 |\n' \
    "$(echo "$IDLE_MEM $KEYS_MEM" | awk '{print ($2 > $1) ? $2 : $1}')"
printf '| vrels-run, 20000 steps with 4 captures | %s steps/s (wall clock %s), %s MiB peak | <= 160 MiB |\n' "$SHOTS_RATE" "$SHOTS_WALL" "$SHOTS_MEM"
printf '| vrels bench, windowed (best of 3 x %s s) | %s frames/s (%s per processor second), p50 %s ms, p99 %s ms | |\n' "$WINDOWED" "$GAME_FPS" "$GAME_CPU" "$P50" "$P99"
printf '| vrels-ceiling, best of 3, %s quads (backdrop + %s x %s squares) | %s frames/s (%s per processor second) | |\n' "$N" "$SIZE" "$SIZE" "$CEIL_FPS" "$CEIL_CPU"
printf '| game / ceiling, processor time | %s | >= 0.9 |\n' "$CPU_RATIO"
printf '| game / ceiling, wall clock | %s | >= 0.9 |\n' "$RATIO"
printf '| start-up to first presented frame | %s ms | |\n' "$FIRST"
printf '| load average during the run | %s | |\n' "$LOAD"
