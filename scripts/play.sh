#!/bin/sh
# Installs what is missing, builds the game folder and starts the game in it.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
cd "${BUILD_DIR:-build}/game"
exec ./vrels "$@"
