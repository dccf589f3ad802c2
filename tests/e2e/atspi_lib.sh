#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program as a screen reader meets it and hands its accessibility
# tree to a Python script: on the current X display, in a D-Bus session of
# its own with the accessibility bus, Qt's bridge switched on, the script
# run by the system's Python 3 (the one with pyatspi), with atspi_helper.py
# importable. The script's status is this script's; 77 when the
# accessibility bus cannot be had here. With "--" for the script, PROGRAM
# itself is the test (a QtTest program watching the events a screen reader
# receives): it runs in the same setting and its status is returned.
# Usage: atspi_lib.sh PROGRAM SCRIPT.py [ARG...]
#        atspi_lib.sh TEST -- [ARG...]
set -eu
if [ -z "${ATSPI_LIB_SESSION:-}" ]; then
    command -v dbus-run-session >/dev/null 2>&1 || { echo "SKIP: no dbus-run-session" >&2; exit 77; }
    export ATSPI_LIB_SESSION=1
    exec dbus-run-session -- sh "$0" "$@"
fi
PROGRAM=$1
SCRIPT=$2
shift 2
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
# The accessibility bus is up once the session bus can tell its address.
for _ in $(seq 1 50); do
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_ACCESSIBILITY=1
if [ "$SCRIPT" = "--" ]; then
    status=0
    QT_QPA_PLATFORM=xcb "$PROGRAM" "$@" || status=$?
    exit $status
fi
QT_QPA_PLATFORM=xcb "$PROGRAM" &
PID=$!
export ATSPI_PROGRAM_PID=$PID
status=0
PYTHONPATH="$HERE${PYTHONPATH:+:$PYTHONPATH}" /usr/bin/python3 "$SCRIPT" "$@" || status=$?
exit $status
