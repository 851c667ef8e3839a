#!/bin/sh
# Installs what building and testing need on Debian 12, and only what is missing,
# so running it again is quick and changes nothing. Packages named as arguments are
# installed along with the list (scripts/make-guide-pictures.sh adds its own tools).
set -eu

packages="
cmake
make
g++
pkg-config
qt6-base-dev
qt6-base-dev-tools
qt6-svg-dev
qt6-translations-l10n
libgl-dev
zlib1g-dev
libgtest-dev
libgmock-dev
libbenchmark-dev
fonts-ipafont-gothic
fonts-ipafont-mincho
xvfb
xauth
locales
poppler-utils
python3
clang-format
dpkg-dev
file
lintian
$*
"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
# A stale package index makes installs fail on a fresh machine; refresh it once.
$SUDO apt-get update -q || true
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
