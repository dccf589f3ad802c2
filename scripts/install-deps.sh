#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages needed to build, run and test the program.
# Run as root, or as a user who may use sudo. Quick when everything is there.
set -eu

PACKAGES="
build-essential
cmake
ninja-build
pkg-config
qt6-base-dev
qt6-base-dev-tools
qt6-svg-dev
qt6-multimedia-dev
qt6-qpa-plugins
libgl-dev
fonts-liberation
fontconfig
locales
xvfb
xauth
xclip
librsvg2-bin
xdotool
python3-xlib
x11-apps
imagemagick
libbenchmark-dev
libgtest-dev
googletest
ccache
clang
libfuzzer-14-dev
libclang-rt-14-dev
qt6-translations-l10n
pulseaudio
pulseaudio-utils
file
desktop-file-utils
appstream
librsvg2-bin
x11-utils
python3
nlohmann-json3-dev
libsndfile1-dev
libfftw3-dev
poppler-utils
python3-pyatspi
dbus
dbus-x11
at-spi2-core
libqt6printsupport6
"

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi

# The number routines are tested under a French numeric locale, whose
# decimal separator is a comma.
if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
    echo "Generating the fr_FR.UTF-8 locale"
    if [ -f /etc/locale.gen ] && grep -q '^# *fr_FR.UTF-8 UTF-8' /etc/locale.gen; then
        $SUDO sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
    elif ! grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo 'fr_FR.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    fi
    $SUDO locale-gen >/dev/null
fi
