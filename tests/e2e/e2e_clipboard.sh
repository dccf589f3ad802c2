#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program on the current X display, presses "Copier" in the
# time-graph window and in the spectrum window, and reads the clipboard as
# another program would while the program runs: the SVG parses, declares
# the copy size, fills no background and holds the graph's texts; the PNG
# has the copy size. The copies stay in OUTDIR.
# Usage: e2e_clipboard.sh PROGRAM OUTDIR
set -eu
PROGRAM=$1
OUT=$2
mkdir -p "$OUT"

QT_QPA_PLATFORM=xcb "$PROGRAM" &
PID=$!
trap 'kill "$PID" 2>/dev/null || true' EXIT

. "$(dirname "$0")/e2e_lib.sh"

click_in() { # window x y
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
    sleep 0.7
}

# Checks the clipboard's copy: SVG and PNG forms, size, texts.
check_copy() { # name expected-text
    targets=$(xclip -selection clipboard -t TARGETS -o 2>/dev/null || true)
    echo "$targets" | grep -qx 'image/svg+xml' || fail "$1: no image/svg+xml on the clipboard (targets: $targets)"
    echo "$targets" | grep -qx 'image/png' || fail "$1: no image/png on the clipboard"
    xclip -selection clipboard -t image/svg+xml -o > "$OUT/$1.svg"
    xclip -selection clipboard -t image/png -o > "$OUT/$1.png"
    python3 - "$OUT/$1.svg" "$2" <<'PY' || fail "$1: the SVG is not the expected copy"
import sys, xml.etree.ElementTree as ET
ns = '{http://www.w3.org/2000/svg}'
root = ET.parse(sys.argv[1]).getroot()
assert root.tag == ns + 'svg', root.tag
assert (root.get('width'), root.get('height'), root.get('viewBox')) == ('567', '416', '0 0 567 416'), root.attrib
texts = [''.join(t.itertext()) for t in root.iter(ns + 'text')]
assert sys.argv[2] in texts, texts
# No background: no filled rectangle covers most of the picture.
for r in root.iter(ns + 'rect'):
    w, h = float(r.get('width', 0)), float(r.get('height', 0))
    assert w * h < 0.5 * 567 * 416, r.attrib
PY
    size=$(identify -format '%wx%h' "$OUT/$1.png")
    [ "$size" = 567x416 ] || fail "$1: PNG of $size"
    echo "$1: SVG and PNG of 567 x 416 on the clipboard, with \"$2\""
}

MAIN=$(find_window 'Fourier et filtres')
GRAPH=$(find_window 'Graphes temporels')
sleep 1

# "Carré": a picture with something in it.
click_in "$MAIN" 136 16
# "Copier" of the time-graph window, 113 x 57 at (0, 0).
click_in "$GRAPH" 56 28
check_copy e2e-copy-timegraph 't (s)'

# "Spectre sortie" in the output group at (520, 347), third LED.
click_in "$MAIN" 540 431
SPECTRA=$(find_window 'Spectre\(s\)')
sleep 0.5
click_in "$SPECTRA" 56 28
check_copy e2e-copy-spectra 'Sortiex1'

kill -0 "$PID" 2>/dev/null || fail "the program ended"
echo "1 passed, 0 failed"
