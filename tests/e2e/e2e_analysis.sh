#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The window "Analyse d'un son" end to end, on the current X display, with a
# PulseAudio daemon of this test's own: its default input is a pipe that the
# test feeds with a known periodic sound, its default output a null sink.
#  1. "Enregistrer" records 2 s from the pipe; the recording, saved as WAV
#     through the window, is analysed by the program's own command line and
#     gives the known f0, amplitudes and phases (the table the window shows
#     comes from the same analysis).
#  2. With a first-order low-pass on the main window, "Écoute filtré" plays
#     the recording through the filter into the null sink: against "Écoute
#     original", harmonics 1 and 2 are as much weaker as the filter's gain
#     at their frequencies says.
# Usage: e2e_analysis.sh PROGRAM OUTDIR
# Exits with 77 (skipped) only when the daemon cannot be started here.
set -eu
PROGRAM=$1
OUT=$2
RATE=48000
F0=233.3
mkdir -p "$OUT"

WORK=$(mktemp -d /tmp/e2e-analysis.XXXXXX)
chmod 700 "$WORK"
mkdir -m 700 "$WORK/xdg" "$WORK/pulse" "$WORK/state"
PID=""
PA_PID=""
REC_PID=""
FEED_PID=""
cleanup() {
    for p in $REC_PID $PID $FEED_PID $PA_PID; do
        kill "$p" 2>/dev/null || true
    done
    for p in $REC_PID $PID $FEED_PID $PA_PID; do
        wait "$p" 2>/dev/null || true
    done
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

printf 'autospawn = no\n' > "$WORK/client.conf"
export PULSE_CLIENTCONFIG="$WORK/client.conf"
export XDG_RUNTIME_DIR="$WORK/xdg"
export HOME="$WORK"
export PULSE_SERVER="unix:$WORK/pulse/native"

cat > "$WORK/daemon.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1 socket=$WORK/pulse/native
load-module module-null-sink sink_name=e2e rate=$RATE channels=1 format=s16le
load-module module-pipe-source source_name=mic file=$WORK/mic rate=$RATE channels=1 format=s16le
set-default-sink e2e
set-default-source mic
PA
. "$(dirname "$0")/pulse_lib.sh"
start_pulse sources '[[:space:]]mic[[:space:]]'

# The known sound, fed in real time into the pipe the source made: harmonic 1 at 0.3, harmonic 2 at 0.15
# and +90 degrees, harmonic 3 at 0.1 and 180 degrees.
python3 - "$WORK/mic" "$RATE" "$F0" <<'PY' &
import math, struct, sys, time
path, rate, f0 = sys.argv[1], int(sys.argv[2]), float(sys.argv[3])
chunk = rate // 50
with open(path, "wb", buffering=0) as pipe:
    start = time.monotonic()
    i = 0
    while i < 40 * rate:
        block = bytearray()
        for n in range(i, i + chunk):
            t = n / rate
            v = (0.3 * math.sin(2 * math.pi * f0 * t) + 0.15 * math.sin(4 * math.pi * f0 * t + math.pi / 2)
                 + 0.1 * math.sin(6 * math.pi * f0 * t + math.pi))
            block += struct.pack("<h", round(32767 * v))
        pipe.write(block)
        i += chunk
        ahead = i / rate - (time.monotonic() - start)
        if ahead > 0.1:
            time.sleep(ahead - 0.1)
PY
FEED_PID=$!

find_window() { # name pattern: the id of a visible window so named
    for _ in $(seq 1 50); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$PID" 2>/dev/null || fail "the program ended before showing \"$1\""
        sleep 0.2
    done
    return 1
}

press() { # window, keys
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
    shift
    xdotool key "$@"
}

main_click() {
    xdotool mousemove $((MX + $1 + 2)) $((MY + $2 + 2))
    xdotool mousemove --sync $((MX + $1)) $((MY + $2)) click 1
    sleep 0.5
}

record() { # file: the null sink until stop_recording
    parec --latency-msec=20 --raw --format=s16le --channels=1 --rate=$RATE -d e2e.monitor > "$WORK/$1.raw" &
    REC_PID=$!
    sleep 0.5
}

stop_recording() {
    kill -INT "$REC_PID" 2>/dev/null || true
    wait "$REC_PID" 2>/dev/null || true
    REC_PID=""
}

QT_QPA_PLATFORM=xcb "$PROGRAM" &
PID=$!
MAIN=$(find_window '^Fourier et filtres$') || fail "no main window"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
MX=$X
MY=$Y

# 1. The analysis button (776, 390, 72 x 62), then "Enregistrer" (Alt+E).
main_click 812 421
AW=$(find_window "^Analyse d'un son\$") || fail "no analysis window"
press "$AW" alt+e
sleep 3.5
import -window "$AW" "$OUT/e2e-analysis-recorded.png"
# "Enregistrer en WAV…" (Alt+W) and the file dialog's name.
press "$AW" alt+w
DIALOG=$(find_window '^Enregistrer le son$') || fail "no file dialog for the recording"
sleep 0.5
press "$DIALOG" ctrl+a
xdotool type "$WORK/recording.wav"
xdotool key Return
for _ in $(seq 1 25); do
    [ -s "$WORK/recording.wav" ] && break
    sleep 0.2
done
[ -s "$WORK/recording.wav" ] || fail "the recording was not saved (is the window's analysis refused? see $OUT/e2e-analysis-recorded.png)"
"$PROGRAM" --analyse "$WORK/recording.wav" --export-csv "$WORK/table.csv" || fail "the recording was not analysed"
python3 - "$WORK/table.csv" "$F0" <<'PY' || fail "the recorded table"
import sys
rows = [l.split(";") for l in open(sys.argv[1], encoding="utf-8-sig", newline="").read().split("\r\n") if l]
num = lambda s: float(s.replace(",", "."))
f0 = num(rows[0][1])
amp = {int(r[0]): num(r[2]) for r in rows[5:]}
phase = {int(r[0]): num(r[3]) for r in rows[5:]}
print("f0 %.3f Hz, amplitudes %s, phases %s" % (f0, [round(amp[k], 4) for k in (1, 2, 3, 4)],
      [round(phase[k], 1) for k in (1, 2, 3)]))
assert abs(f0 - float(sys.argv[2])) < 0.001 * float(sys.argv[2]), "f0"
for k, a in ((1, 0.3), (2, 0.15), (3, 0.1), (4, 0.0)):
    assert abs(amp[k] - a) < 0.01, "amplitude %d" % k
for k, p in ((2, 90), (3, 180)):
    assert abs((phase[k] - p + 180) % 360 - 180) < 5, "phase %d" % k
PY

# 2. "Passe-bas   " (second column of the filter group) and its cut-off
#    typed into the box the read-out opens: f0 / 2.
FC=116.65
main_click 700 60
main_click 571 213
BOX=$(find_window 'quence particuli') || fail "no box for the cut-off"
press "$BOX" ctrl+a
xdotool type "$FC"
xdotool key Return
sleep 0.5
import -window "$MAIN" "$OUT/e2e-analysis-main-lowpass.png"
record original
press "$AW" alt+g
sleep 3
stop_recording
record filtered
press "$AW" alt+f
sleep 3
stop_recording
import -window "$AW" "$OUT/e2e-analysis-filtered.png"
python3 - "$WORK/original.raw" "$WORK/filtered.raw" "$RATE" "$F0" "$FC" <<'PY' || fail "the filtered sound"
import array, math, sys
rate, f0, fc = int(sys.argv[3]), float(sys.argv[4]), float(sys.argv[5])
def level(path, hz):
    x = array.array("h")
    x.frombytes(open(path, "rb").read())
    x = [v / 32768 for v in x]
    # The longest sounding stretch (in 10 ms blocks), less 0.1 s at each end.
    w = rate // 100
    sounding = [max(map(abs, x[i : i + w])) > 0.01 for i in range(0, len(x) - w + 1, w)]
    best, start = (0, 0), None
    for i, on in enumerate(sounding + [False]):
        if on and start is None:
            start = i
        elif not on and start is not None:
            best = max(best, (i - start, start))
            start = None
    assert best[0] * w > rate, "no second of sound was played into " + path
    seg = x[(best[1] + 10) * w : (best[1] + best[0] - 10) * w]
    k = 2 * math.cos(2 * math.pi * hz / rate)
    s1 = s2 = 0.0
    for v in seg:
        s1, s2 = v + k * s1 - s2, s1
    return 2 * math.sqrt(max(s1 * s1 + s2 * s2 - k * s1 * s2, 0.0)) / len(seg)
for h in (1, 2):
    hz = h * f0
    drop = 20 * math.log10(level(sys.argv[2], hz) / level(sys.argv[1], hz))
    want = 20 * math.log10(1 / math.sqrt(1 + (hz / fc) ** 2))
    print("harmonic %d: filtered / original %.2f dB, filter gain %.2f dB" % (h, drop, want))
    assert abs(drop - want) < 1.0, "harmonic %d" % h
PY
echo "analysis window: recording, table and filtered sound as expected"
