#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line's exit statuses and messages, with no display at all:
# help and version; a wrong command line (2); a lesson or an export that
# cannot be read or written (1), its French message on standard error.
# Usage: commandline_test.sh PROGRAM FIXTURES
set -u
PROGRAM=$1
FIXTURES=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
failures=0

# expect STATUS TEXT ARGS...: the exit status and a part of what was printed.
expect() {
    want=$1
    text=$2
    shift 2
    timeout 60 "$PROGRAM" "$@" >"$WORK/out" 2>"$WORK/err"
    status=$?
    if [ "$status" -ne "$want" ]; then
        echo "FAIL: $* -> status $status, not $want" >&2
        cat "$WORK/err" >&2
        failures=$((failures + 1))
    elif ! grep -qF -- "$text" "$WORK/out" "$WORK/err"; then
        echo "FAIL: $* -> no \"$text\" in its output" >&2
        cat "$WORK/out" "$WORK/err" >&2
        failures=$((failures + 1))
    else
        echo "ok: $* -> $status"
    fi
}

expect 0 "Utilisation : fourierfiltre [options] [FICHIER]" --help
expect 0 "--export-svg DOSSIER" -h
expect 0 "fourierfiltre " --version
expect 2 "option inconnue « --exporter »" --exporter x
expect 2 "il manque la valeur" --export-csv
expect 2 "une seule séance à la fois" a.seance b.seance
expect 2 "donnée deux fois" --export-csv a.csv --export-csv b.csv
expect 1 "le fichier n'existe pas" --export-csv "$WORK/t.csv" "$WORK/absente.seance"
expect 1 "c'est un dossier" --export-csv "$WORK/t.csv" "$WORK"
expect 1 "Fichier de séance illisible : « signal.f0_hz » est hors de ses limites" \
    --export-report "$WORK/r.pdf" "$FIXTURES/f0-zero.seance"
expect 1 "version plus récente" --export-svg "$WORK" "$FIXTURES/version-future.seance"
# A place under a plain file cannot take the exports (a missing folder of
# graphs is made; a missing folder above a file is not).
: >"$WORK/plein"
for option in --export-csv --export-report --export-svg; do
    expect 1 "fourierfiltre : " $option "$WORK/plein/sortie" "$FIXTURES/exemple.seance"
done
expect 1 "fourierfiltre : " --export-csv "$WORK/absent/sortie.csv" "$FIXTURES/exemple.seance"
# A good export is quiet: a teacher's script finds nothing on standard
# error (the example is a square wave, whose preset has a window of its own).
mkdir -m 700 "$WORK/xdg"
XDG_RUNTIME_DIR="$WORK/xdg" timeout 60 "$PROGRAM" --export-csv "$WORK/ok.csv" --export-svg "$WORK/graphes" \
    --export-report "$WORK/ok.pdf" "$FIXTURES/exemple.seance" >"$WORK/out" 2>"$WORK/err"
status=$?
if [ "$status" -ne 0 ] || [ -s "$WORK/out" ] || [ -s "$WORK/err" ] || [ ! -s "$WORK/ok.csv" ] ||
    [ ! -s "$WORK/ok.pdf" ] || [ ! -s "$WORK/graphes/spectres.svg" ]; then
    echo "FAIL: the three exports -> status $status, printing:" >&2
    cat "$WORK/out" "$WORK/err" >&2
    failures=$((failures + 1))
else
    echo "ok: the three exports, quiet"
fi
[ -e "$WORK/t.csv" ] && { echo "FAIL: an export was written from a lesson that was refused" >&2; failures=$((failures + 1)); }
[ "$failures" -eq 0 ]
