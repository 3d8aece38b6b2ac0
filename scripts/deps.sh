#!/bin/sh
# Installs the Debian packages that the build, the content tools, the tests and
# the Debian package need, when any of them is missing. Safe to run repeatedly.
set -e

PACKAGES="cmake ninja-build g++ pkg-config ccache git
libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev
libvorbis-dev libogg-dev
libboost-dev libloki-dev libgtest-dev
librsvg2-dev libcairo2-dev libpango1.0-dev fonts-dejavu-core fonts-dejavu-extra
abcmidi libfluidsynth-dev fluid-soundfont-gm
sox xvfb xauth xdotool
tiled
dpkg-dev lintian"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages:$missing" >&2
    echo "Install them as root with:" >&2
    echo "  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y$missing" >&2
    exit 1
fi

echo "Installing:$missing"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
