#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# "fourierfiltre --analyse" without any display: the table on the standard
# output and in a file, the French refusals on the standard error and the
# exit statuses.
#   sh analyse_command.sh <fourierfiltre> <folder of hostile sounds>
set -u
PROGRAM=$1
SOUNDS=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A 16-bit 44.1 kHz tone: f0 220.5 Hz, harmonic 2 at half the fundamental.
python3 - "$WORK/tone.wav" <<'PY'
import math, struct, sys, wave
rate, f0 = 44100, 220.5
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(1); w.setsampwidth(2); w.setframerate(rate)
    w.writeframes(b"".join(struct.pack("<h", round(32767 * (0.4 * math.sin(2 * math.pi * f0 * i / rate)
        + 0.2 * math.sin(4 * math.pi * f0 * i / rate + math.pi / 2)))) for i in range(rate)))
PY

"$PROGRAM" --analyse "$WORK/tone.wav" >"$WORK/out.csv" 2>"$WORK/err.txt"
[ $? -eq 0 ] || fail "status $? for a good tone: $(cat "$WORK/err.txt")"
[ ! -s "$WORK/err.txt" ] || fail "messages for a good tone: $(cat "$WORK/err.txt")"
python3 - "$WORK/out.csv" <<'PY' || fail "table on the standard output"
import sys
data = open(sys.argv[1], "rb").read()
assert data.startswith(b"\xef\xbb\xbf"), "byte order mark"
lines = data[3:].decode("utf-8").split("\r\n")
assert lines[-1] == "" and len(lines) == 18, lines
rows = [l.split(";") for l in lines[:-1]]
num = lambda s: float(s.replace(",", "."))
assert rows[0][0] == "f0 (Hz)" and abs(num(rows[0][1]) - 220.5) < 0.11, rows[0]
assert rows[1][0] == "moyenne" and abs(num(rows[1][1])) < 0.004, rows[1]
assert rows[2][0] == "résidu (%)" and num(rows[2][1]) < 1, rows[2]
assert rows[3][0] == "confiance" and 0.9 < num(rows[3][1]) <= 1, rows[3]
assert rows[4] == ["rang", "fréquence (Hz)", "amplitude", "phase (°)"], rows[4]
assert [r[0] for r in rows[5:]] == [str(k) for k in range(1, 13)]
assert abs(num(rows[5][2]) - 0.4) < 0.004 and abs(num(rows[6][2]) - 0.2) < 0.004, rows[5:7]
assert abs(num(rows[6][3]) - 90) < 3, rows[6]
PY

"$PROGRAM" --analyse "$WORK/tone.wav" --export-csv "$WORK/table.csv" >"$WORK/stdout.txt" 2>&1
[ $? -eq 0 ] || fail "status $? with --export-csv"
[ ! -s "$WORK/stdout.txt" ] || fail "output besides the file: $(cat "$WORK/stdout.txt")"
cmp -s "$WORK/table.csv" "$WORK/out.csv" || fail "the file differs from the standard output"

# Refusals: status 1, one French line naming the file, nothing written.
for f in empty.wav not_a_sound.wav one_sample.wav truncated.wav rate_384k.wav one_hour.flac; do
    "$PROGRAM" --analyse "$SOUNDS/$f" --export-csv "$WORK/refused.csv" >/dev/null 2>"$WORK/err.txt"
    status=$?
    [ $status -eq 1 ] || fail "$f: status $status"
    grep -q "$f : [CF]" "$WORK/err.txt" || fail "$f: message $(cat "$WORK/err.txt")"
    [ ! -e "$WORK/refused.csv" ] || fail "$f: a table was written"
done
# Noise is not analysed.
python3 - "$WORK/noise.wav" <<'PY'
import random, struct, sys, wave
random.seed(3)
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(1); w.setsampwidth(2); w.setframerate(22050)
    w.writeframes(b"".join(struct.pack("<h", int(random.gauss(0, 6000))) for _ in range(22050)))
PY
"$PROGRAM" --analyse "$WORK/noise.wav" >"$WORK/out2.csv" 2>"$WORK/err.txt"
[ $? -eq 1 ] || fail "noise analysed"
grep -q "pas périodique" "$WORK/err.txt" || fail "noise: $(cat "$WORK/err.txt")"
[ ! -s "$WORK/out2.csv" ] || fail "noise: a table was written"

# A table that cannot be written: status 3; a wrong command line: status 2.
"$PROGRAM" --analyse "$WORK/tone.wav" --export-csv "$WORK/none/table.csv" 2>"$WORK/err.txt"
[ $? -eq 3 ] || fail "unwritable table"
grep -q "n'a pas pu être écrit" "$WORK/err.txt" || fail "unwritable: $(cat "$WORK/err.txt")"
"$PROGRAM" --analyse 2>"$WORK/err.txt"
[ $? -eq 2 ] || fail "missing sound name"
"$PROGRAM" --analyse "$WORK/tone.wav" extra 2>"$WORK/err.txt"
[ $? -eq 2 ] || fail "extra argument"
echo "analyse command: ok"
