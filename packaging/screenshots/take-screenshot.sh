#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the screenshot the software centre shows: the program on a virtual
# display with a square wave through a 300 Hz band-pass filter and both
# spectra, its windows laid on a plain background.
# Usage: take-screenshot.sh PROGRAM OUTPUT.png   (needs xvfb-run, xdotool, ImageMagick)
set -eu
if [ -z "${TAKE_SCREENSHOT_ON_DISPLAY:-}" ]; then
    TAKE_SCREENSHOT_ON_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1600x1000x24" sh "$0" "$@"
fi
PROGRAM=$1
OUTPUT=$2
WORK=$(mktemp -d)
QT_QPA_PLATFORM=xcb "$PROGRAM" &
PID=$!
trap 'kill "$PID" 2>/dev/null || true; rm -rf "$WORK"' EXIT

for _ in $(seq 1 100); do
    MAIN=$(xdotool search --onlyvisible --name '^Fourier et filtres$' 2>/dev/null | head -n 1 || true)
    [ -z "$MAIN" ] || break
    sleep 0.2
done
[ -n "$MAIN" ] || { echo "the program showed no main window" >&2; exit 1; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
MX=$X
MY=$Y
click() { # x y in the main window
    xdotool mousemove --sync $((MX + $1)) $((MY + $2)) click 1
    sleep 0.7
}
click 136 16  # "Carré"
click 560 89  # "Passe-bande"
click 536 407 # "Spectre entrée"
click 560 430 # "Spectre sortie"
click 570 212 # the cut-off frequency, typed in its input box
sleep 0.5
xdotool key ctrl+a type 300
xdotool key Return
sleep 1
xdotool mousemove 1590 990
sleep 0.5

layers=""
for w in $(xdotool search --onlyvisible --name '.'); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    import -window "$w" "$WORK/$w.png"
    layers="$layers $WORK/$w.png -geometry +$((X + 16))+$((Y + 16)) -composite"
done
# shellcheck disable=SC2086
convert -size 1632x1032 xc:'#4d5d73' $layers -trim +repage -bordercolor '#4d5d73' -border 16 "$OUTPUT"
echo "screenshot saved: $OUTPUT"
