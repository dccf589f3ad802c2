#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A lesson file with the real program: started with the file, the note is
# shown and closed; a harmonic slider is moved (the title marks the change),
# Ctrl+S saves to the file (the mark goes), "Quitter" ends the program
# without a question; started again with the file, the time graph and the
# spectra are the same pictures as before quitting.
# Usage: e2e_lesson.sh PROGRAM OUTDIR LESSON
set -eu
PROGRAM=$1
OUT=$2
LESSON=$3
mkdir -p "$OUT"
PID=
WORK=$(mktemp -d)
trap '[ -n "$PID" ] && kill "$PID" 2>/dev/null || true; rm -rf "$WORK"' EXIT

. "$(dirname "$0")/e2e_lib.sh"

FILE=$WORK/lecon.seance
cp "$LESSON" "$FILE"

start() {
    QT_QPA_PLATFORM=xcb "$PROGRAM" "$FILE" &
    PID=$!
    # The note comes first, in a box of its own; Entrée closes it.
    NOTE=$(find_window 'Consigne – lecon.seance')
    sleep 0.5
    xdotool windowfocus --sync "$NOTE" key Return
    MAIN=$(find_window 'lecon.seance – Fourier et filtres')
    GRAPH=$(find_window 'Graphes temporels')
    SPECTRA=$(find_window 'Spectre.s.')
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$MAIN")"
    MX=$X
    MY=$Y
}

caption_is() { # window, exact caption
    name=$(xdotool getwindowname "$1")
    [ "$name" = "$2" ] || fail "caption \"$name\", not \"$2\""
}

shot() { # window name
    import -window "$1" "$OUT/$2.png"
}

same() { # two screenshots
    n=$(compare -metric AE "$OUT/$1.png" "$OUT/$2.png" null: 2>&1 || true)
    echo "$1 -> $2: $n pixels differ"
    [ "$n" = 0 ] || fail "$2 is not the picture $1 was"
}

ends() {
    for _ in $(seq 1 20); do
        kill -0 "$PID" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$PID" 2>/dev/null && fail "the program still runs 2 s after \"Quitter\""
    status=0
    wait "$PID" || status=$?
    PID=
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

start
caption_is "$MAIN" 'lecon.seance – Fourier et filtres'
# Harmonic 2's slider (column x 136..168, track y 136..321) dragged up.
xdotool mousemove --sync $((MX + 152)) $((MY + 312)) mousedown 1
xdotool mousemove --sync $((MX + 152)) $((MY + 220))
xdotool mousemove --sync $((MX + 152)) $((MY + 140)) mouseup 1
sleep 0.5
caption_is "$MAIN" 'lecon.seance* – Fourier et filtres'
xdotool windowfocus --sync "$MAIN" key ctrl+s
sleep 0.5
caption_is "$MAIN" 'lecon.seance – Fourier et filtres'
python3 - "$FILE" <<'PY' || fail "the saved file does not hold the moved slider"
import json, sys
lesson = json.load(open(sys.argv[1], encoding="utf-8"))
sys.exit(0 if lesson["signal"]["harmoniques"][1]["amplitude_pourcent"] > 50 else 1)
PY
shot "$GRAPH" e2e-lesson-graph-saved
shot "$SPECTRA" e2e-lesson-spectra-saved
# "Quitter", 65 x 65 at (16, 344): nothing left to save, no question.
xdotool mousemove --sync $((MX + 48)) $((MY + 376)) click 1
ends

start
shot "$GRAPH" e2e-lesson-graph-reopened
shot "$SPECTRA" e2e-lesson-spectra-reopened
same e2e-lesson-graph-saved e2e-lesson-graph-reopened
same e2e-lesson-spectra-saved e2e-lesson-spectra-reopened
xdotool mousemove --sync $((MX + 48)) $((MY + 376)) click 1
ends
echo "saved with Ctrl+S, reopened to the same pictures"
