#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The measuring cursor of the time graph as a screen-reader user meets it:
# the real program on the current X display, in a D-Bus session of its own
# with the accessibility bus; a click in the time graph shows the cursor,
# its read-out is read through the accessibility tree, the arrows move it.
# 77 when the accessibility bus or pyatspi cannot be had here.
# Usage: e2e_cursors.sh PROGRAM
set -eu
if [ -z "${E2E_CURSORS_SESSION:-}" ]; then
    command -v dbus-run-session >/dev/null 2>&1 || { echo "SKIP: no dbus-run-session" >&2; exit 77; }
    export E2E_CURSORS_SESSION=1
    exec dbus-run-session -- sh "$0" "$@"
fi
PROGRAM=$1
HERE=$(cd "$(dirname "$0")" && pwd)
LAUNCHER=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && LAUNCHER=$candidate && break
done
[ -n "$LAUNCHER" ] || { echo "SKIP: no at-spi-bus-launcher" >&2; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no pyatspi for /usr/bin/python3" >&2; exit 77; }

BUS=
PID=
trap '[ -n "$PID" ] && kill "$PID" 2>/dev/null; [ -n "$BUS" ] && kill "$BUS" 2>/dev/null; true' EXIT
"$LAUNCHER" --launch-immediately >/dev/null 2>&1 &
BUS=$!
for _ in $(seq 1 50); do
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_ACCESSIBILITY=1
QT_QPA_PLATFORM=xcb "$PROGRAM" &
PID=$!
. "$HERE/e2e_lib.sh"

click_in() { # window x y
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
    sleep 0.5
}

MAIN=$(find_window 'Fourier et filtres')
GRAPH=$(find_window 'Graphes temporels')
sleep 1
# "Carré": a square wave on the graph.
click_in "$MAIN" 136 16

# Reads the cursor's instant and the input's value through the tree.
read_cursor() {
    /usr/bin/python3 "$HERE/e2e_cursors.py" "$PID"
}

click_in "$GRAPH" 158 130
first=$(read_cursor) || fail "no read-out after the click"
echo "after the click: $first"
xdotool key --window "$GRAPH" Right
sleep 0.5
second=$(read_cursor) || fail "no read-out after Right"
echo "after Right: $second"
xdotool key --window "$GRAPH" Left Left
sleep 0.5
third=$(read_cursor) || fail "no read-out after Left Left"
echo "after Left Left: $third"
/usr/bin/python3 - "$first" "$second" "$third" <<'PY' || fail "the arrows did not move the cursor by one pixel each"
import sys
# The instants as read (three significant digits): one pixel of the
# default graph is about 11 ms over some 460 columns, 24 microseconds.
t = [float(a.split()[0]) for a in sys.argv[1:]]
assert 0 < t[1] - t[0] < 4e-5, t
assert 0 < t[0] - t[2] < 4e-5, t
PY
kill -0 "$PID" 2>/dev/null || fail "the program ended"
echo "1 passed, 0 failed"
