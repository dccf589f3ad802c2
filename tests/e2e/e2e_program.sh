#!/bin/sh
# Starts the real program on the current X display, clicks it as a user
# would (a preset button, a harmonic slider, a filter LED) and checks by
# screenshots that the time graph follows. The screenshots stay in OUTDIR.
# Usage: e2e_program.sh PROGRAM OUTDIR
set -eu
PROGRAM=$1
OUT=$2
mkdir -p "$OUT"

# A real window on the X display, whatever platform the other tests use.
QT_QPA_PLATFORM=xcb "$PROGRAM" &
PID=$!
trap 'kill "$PID" 2>/dev/null || true' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

find_window() {
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$PID" 2>/dev/null || fail "the program ended before showing \"$1\""
        sleep 0.2
    done
    fail "no window \"$1\""
}

MAIN=$(find_window 'Fourier et filtres')
GRAPH=$(find_window 'Graphes temporels')
sleep 1

origin() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y"
}
set -- $(origin "$MAIN")
MX=$1
MY=$2

click() { # x y in the main window
    xdotool mousemove --sync $((MX + $1)) $((MY + $2)) click 1
    sleep 0.5
}

drag() { # x y1 y2 in the main window
    xdotool mousemove --sync $((MX + $1)) $((MY + $2)) mousedown 1
    xdotool mousemove --sync $((MX + $1)) $((MY + ($2 + $3) / 2))
    xdotool mousemove --sync $((MX + $1)) $((MY + $3)) mouseup 1
    sleep 0.5
}

shot() { # window name
    import -window "$1" "$OUT/$2.png"
}

differs() { # two screenshots
    n=$(compare -metric AE "$OUT/$1.png" "$OUT/$2.png" null: 2>&1 || true)
    echo "$1 -> $2: $n pixels changed"
    [ "${n%%.*}" -gt 100 ] 2>/dev/null
}

shot "$MAIN" e2e-main-startup
shot "$GRAPH" e2e-graph-startup

# "Carré" is the second preset button, 81 x 33 at (96, 0).
click 136 16
shot "$GRAPH" e2e-graph-square
differs e2e-graph-startup e2e-graph-square || fail "the square preset left the time graph as it was"

# Harmonic 2's slider (column x 136..168, track y 136..321), at 0: its
# thumb is dragged to the top.
drag 152 312 140
shot "$GRAPH" e2e-graph-harmonic2
differs e2e-graph-square e2e-graph-harmonic2 || fail "the harmonic slider left the time graph as it was"

# "Passe-bande " in the filter group at (520, 8): fourth LED of the left column.
click 560 89
shot "$MAIN" e2e-main-square-bandpass
shot "$GRAPH" e2e-graph-square-bandpass
differs e2e-graph-harmonic2 e2e-graph-square-bandpass || fail "the band-pass filter left the time graph as it was"

kill -0 "$PID" 2>/dev/null || fail "the program ended"
echo "1 passed, 0 failed"
