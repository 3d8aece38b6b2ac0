#!/bin/sh
# Builds the Debian package (vrels_<version>_<arch>.deb) of the game.
#
# The package is built in its own build folder (default build-package), so
# nothing that test runs write into the game folder of the everyday build
# (logs, settings, replays) can end up in it. The first run regenerates all
# content there; later runs are incremental. BUILD_DIR picks another folder.
set -e
cd "$(dirname "$0")/.."
scripts/deps.sh
BUILD_DIR=${BUILD_DIR:-build-package}
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    # cpack would otherwise build every target, tests included, first.
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} \
        -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
fi
cmake --build "$BUILD_DIR" --target vrels content
(cd "$BUILD_DIR" && cpack -G DEB)
ls "$BUILD_DIR"/vrels_*.deb
