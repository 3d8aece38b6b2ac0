#!/bin/sh
# Rewrites every golden draw listing under tests/data/draws from the current
# build: run after an intended change to what a scene draws (a title menu,
# a map, new art), then review `git diff tests/data/draws` and commit.
# Builds the engine tests if needed and runs only the golden cases.
set -e
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
scripts/build.sh --target vrels-tests
export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-offscreen}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
export VRELS_NO_DIALOGS=1
export VRELS_UPDATE_DRAW_GOLDENS=1
ctest --test-dir "$BUILD_DIR" -R '^DrawGoldens\.' -j2 --output-on-failure
git status --short tests/data/draws
