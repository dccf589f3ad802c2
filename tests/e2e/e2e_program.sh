#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program on the current X display and uses it as a user
# would: clicks a preset button, a harmonic slider and a filter LED, and
# checks by screenshots that the time graph follows; opens the filter's
# response from the filter picture and checks that it follows; checks the windows'
# captions; then ends it in the three ways a user can (the "Quitter" button,
# the main window's close box as a window manager sends it, the same with
# the duty-cycle dialog open), each time checking that the process is gone
# within two seconds with status 0; last, shows and hides the spectrum window
# from the keyboard, which stays in the main window. The screenshots stay in
# OUTDIR.
# Usage: e2e_program.sh PROGRAM OUTDIR
set -eu
PROGRAM=$1
OUT=$2
HERE=$(dirname "$0")
mkdir -p "$OUT"
PID=
trap '[ -n "$PID" ] && kill "$PID" 2>/dev/null || true' EXIT

. "$(dirname "$0")/e2e_lib.sh"

start() {
    # A real window on the X display, whatever platform the other tests use.
    QT_QPA_PLATFORM=xcb "$PROGRAM" &
    PID=$!
    MAIN=$(find_window 'Fourier et filtres')
    GRAPH=$(find_window 'Graphes temporels')
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$MAIN")"
    MX=$X
    MY=$Y
}

caption_is() { # window, exact caption
    name=$(xdotool getwindowname "$1")
    [ "$name" = "$2" ] || fail "caption \"$name\", not \"$2\""
}

ends() { # how it was asked to end
    for _ in $(seq 1 20); do
        kill -0 "$PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$PID" 2>/dev/null && fail "$1: the program still runs after 2 s"
    status=0
    wait "$PID" || status=$?
    PID=
    [ "$status" -eq 0 ] || fail "$1: the program ended with status $status"
    echo "$1: the program ended with status 0"
}

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

# 1. A first use, ended by "Quitter".
start
caption_is "$MAIN" 'Fourier et filtres'
caption_is "$GRAPH" 'Graphes temporels'
shot "$MAIN" e2e-main-startup
shot "$GRAPH" e2e-graph-startup

# "Carré" is the second preset button, 81 x 33 at (96, 0); it opens the
# duty-cycle dialog.
click 136 16
caption_is "$(find_window 'Signal carré rapport cyclique variable')" 'Signal carré rapport cyclique variable'
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

# The filter picture, 161 x 73 at (512, 120), opens the filter's response;
# "Quitter" below still ends the program with it on screen.
click 592 156
RESPONSE=$(find_window 'Réponse du filtre')
sleep 0.5
shot "$RESPONSE" e2e-response-square-bandpass
drag 152 140 312
shot "$RESPONSE" e2e-response-harmonic2-off
differs e2e-response-square-bandpass e2e-response-harmonic2-off || fail "the harmonic slider left the response window as it was"

kill -0 "$PID" 2>/dev/null || fail "the program ended"
# "Quitter", 65 x 65 at (16, 344).
click 48 376
ends "Quitter"

# 2. The time-graph window only minimizes; the main window's close ends it.
start
/usr/bin/python3 "$HERE/wm_delete.py" "$GRAPH"
sleep 0.5
kill -0 "$PID" 2>/dev/null || fail "closing the time-graph window ended the program"
/usr/bin/python3 "$HERE/wm_delete.py" "$MAIN"
ends "close box"

# 3. The same with the duty-cycle dialog on screen.
start
click 136 16
find_window 'Signal carré rapport cyclique variable' >/dev/null
/usr/bin/python3 "$HERE/wm_delete.py" "$MAIN"
ends "close box, duty-cycle dialog open"

# 4. The keyboard starts in the main window, on "Synth libre"; Shift+Tab
# twice reaches "Spectre entrée". The space bar shows the spectrum window and
# leaves the keyboard on the LED, so the same key hides it again. The
# window's close box puts the LED out: the space bar lights it again. Once on
# the bare display, once more under a window manager when there is one, since
# a window manager gives the keyboard to new windows unless told not to.
gone() { # caption: no visible window has it within 5 s
    for _ in $(seq 1 25); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.2
    done
    return 1
}
keyboard() { # where
    start
    [ "$(xdotool getwindowfocus)" = "$MAIN" ] || fail "$1: the keyboard is not in the main window at start-up"
    xdotool key shift+Tab shift+Tab space
    SPECTRA=$(find_window 'Spectre\(s\)')
    sleep 0.5
    [ "$(xdotool getwindowfocus)" = "$MAIN" ] || fail "$1: the spectrum window took the keyboard"
    xdotool key space
    gone 'Spectre\(s\)' || fail "$1: the space bar did not put \"Spectre entrée\" out"
    xdotool key space
    SPECTRA=$(find_window 'Spectre\(s\)')
    /usr/bin/python3 "$HERE/wm_delete.py" "$SPECTRA"
    gone 'Spectre\(s\)' || fail "$1: the spectrum window's close box did not close it"
    xdotool key space
    find_window 'Spectre\(s\)' >/dev/null
    echo "keyboard, $1: the spectrum window came and went, the keyboard stayed in the main window"
    /usr/bin/python3 "$HERE/wm_delete.py" "$MAIN"
    ends "close box after the keyboard, $1"
}
keyboard "no window manager"
if command -v openbox >/dev/null 2>&1; then
    openbox >/dev/null 2>&1 &
    WM=$!
    sleep 1
    keyboard "openbox"
    kill "$WM" 2>/dev/null || true
fi

echo "1 passed, 0 failed"
