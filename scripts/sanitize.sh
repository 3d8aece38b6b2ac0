#!/bin/sh
# Builds the engine, the tools the tests run and every engine test with
# AddressSanitizer + UndefinedBehaviorSanitizer in build-asan/, and runs them.
# The game content is not generated again: build-asan/game/ links to the data
# folders of the normal build (BUILD_DIR, default build/), which must be built.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
ASAN_DIR=${ASAN_BUILD_DIR:-build-asan}
CONTENT="$(pwd)/$BUILD_DIR/game"
# The tools that only make content, and the checks of what they made (tested
# in the normal build).
CONTENT_TOOLS="artgen;musicgen;sfxgen;storygen;art;music;sfx;story"
if [ ! -d "$CONTENT/gfx" ]; then
    echo "scripts/sanitize.sh: build the game first ($CONTENT has no gfx/)" >&2
    exit 1
fi
# Configured every time, so the list of left-out content tools stays current.
# -O1 keeps the instrumented build quick to compile and the tests quick.
cmake -S . -B "$ASAN_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 \
    -DCMAKE_C_FLAGS=-O1 -DVRELS_SANITIZE=ON -DVRELS_CONTENT_DIR="$CONTENT" \
    -DVRELS_SKIP_TOOLS="$CONTENT_TOOLS" >/dev/null
cmake --build "$ASAN_DIR"
export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-offscreen}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
export VRELS_NO_DIALOGS=1
# Leak checking stays off: the video and audio drivers that SDL loads and
# unloads again keep allocations that the leak checker can only show as
# "<unknown module>", so no suppression can name them.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$ASAN_DIR" --output-on-failure -j2 "$@"
