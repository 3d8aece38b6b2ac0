#!/bin/sh
# Installs what is missing, builds everything and runs every test.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-offscreen}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
export VRELS_NO_DIALOGS=1
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j2
