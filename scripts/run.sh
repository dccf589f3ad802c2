#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is needed, builds the program and starts it. On a machine
# with no display it starts the program on a virtual display instead, saves
# a screenshot of that screen and stops it again.
set -eu
cd "$(dirname "$0")/.."

sh scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWITH_QT=ON -DWITH_BENCH=ON
cmake --build build -j "$(nproc)"

PROGRAM=build/app/fourierfiltre
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$PROGRAM"
fi

SHOT=build/screenshot.png
echo "No display here: starting the program on a virtual display (Xvfb)"
echo "for a few seconds and saving a screenshot of it to $SHOT."
xvfb-run -a -s "-screen 0 1600x1000x24" sh -c '
    QT_QPA_PLATFORM=xcb "$1" & pid=$!
    sleep 4
    import -window root "$2"
    kill "$pid"
' run "$PROGRAM" "$SHOT"
echo "Screenshot saved: $SHOT"
