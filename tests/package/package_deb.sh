#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build folder, unpacks it into a temporary
# root and checks what a user would get from it: the files it installs, its
# version, that every library the program links is found and comes from a
# package the package depends on, and that the unpacked program, started by
# its menu entry's command, shows its two windows with the program's icon.
# Runs on an X display (xvfb-run). Screenshots of the windows go to OUTDIR.
# Usage: package_deb.sh BUILDDIR APPID VERSION OUTDIR
set -eu
BUILD=$1
ID=$2
VERSION=$3
OUT=$4
mkdir -p "$OUT"

. "$(dirname "$0")/../e2e/e2e_lib.sh"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/fourierfiltre-deb.XXXXXX")
PID=""
cleanup() {
    [ -z "$PID" ] || kill "$PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# The package, made as the README says, but into the temporary folder.
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/out" >"$WORK/cpack.log" 2>&1 ||
    { cat "$WORK/cpack.log" >&2; fail "cpack could not make the package"; }
DEB=$(ls "$WORK"/out/fourierfiltre_*.deb)
echo "package: $(basename "$DEB"), $(stat -c %s "$DEB") bytes"
[ "$(dpkg-deb -f "$DEB" Package)" = fourierfiltre ] || fail "the package is not named fourierfiltre"
[ "$(dpkg-deb -f "$DEB" Version)" = "$VERSION" ] || fail "package version $(dpkg-deb -f "$DEB" Version), not $VERSION"
DEPENDS=$(dpkg-deb -f "$DEB" Depends)
echo "depends: $DEPENDS"

ROOT=$WORK/root
dpkg-deb -x "$DEB" "$ROOT"
BIN=$ROOT/usr/bin/fourierfiltre
for f in usr/bin/fourierfiltre \
    "usr/share/applications/$ID.desktop" \
    "usr/share/icons/hicolor/scalable/apps/$ID.svg" \
    "usr/share/metainfo/$ID.metainfo.xml" \
    "usr/share/mime/packages/$ID.xml" \
    usr/share/icons/hicolor/scalable/mimetypes/application-x-fourierfiltre-seance.svg \
    usr/share/doc/fourierfiltre/copyright \
    usr/share/man/man1/fourierfiltre.1.gz; do
    [ -f "$ROOT/$f" ] || fail "the package lacks /$f"
done
[ -x "$BIN" ] || fail "the program is not executable"
stray=$(cd "$ROOT" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$stray" ] || fail "the package installs outside /usr: $stray"
grep -q "<release version=\"$VERSION\"" "$ROOT/usr/share/metainfo/$ID.metainfo.xml" ||
    fail "the metadata does not describe version $VERSION"
# The metadata, the menu entry it names and the icon, as installed together.
report=$(appstreamcli validate-tree --no-net --pedantic --strict "$ROOT" 2>&1) ||
    { echo "$report" >&2; fail "the installed metadata does not validate"; }
if echo "$report" | grep -q '^ *[EWIP]:'; then
    echo "$report" >&2
    fail "appstreamcli reports issues in the installed tree"
fi

# Every library the program links is found, and the package of each is one
# that the package depends on.
ldd "$BIN" >"$WORK/ldd.txt"
if grep -q 'not found' "$WORK/ldd.txt"; then
    cat "$WORK/ldd.txt" >&2
    fail "libraries not found"
fi
objdump -p "$BIN" | awk '/NEEDED/ { print $2 }' >"$WORK/needed.txt"
[ -s "$WORK/needed.txt" ] || fail "no linked libraries read from the program"
deps=" $(echo "$DEPENDS" | sed 's/([^)]*)//g; s/[,|]/ /g') "
while read -r lib; do
    path=$(awk -v l="$lib" '$1 == l && $2 == "=>" { print $3 }' "$WORK/ldd.txt")
    [ -n "$path" ] || fail "$lib is not resolved"
    pkg=$(dpkg -S "$path" 2>/dev/null || dpkg -S "$(readlink -f "$path")" 2>/dev/null ||
        dpkg -S "*/$lib" 2>/dev/null || true)
    pkg=$(echo "$pkg" | head -n 1 | cut -d: -f1)
    [ -n "$pkg" ] || fail "no installed package holds $lib ($path)"
    case $deps in
    *" $pkg "*) echo "$lib: $pkg" ;;
    *) fail "$lib comes from $pkg, which the package does not depend on" ;;
    esac
done <"$WORK/needed.txt"

# The program started as the menu entry starts it.
# A double click on a lesson: the entry takes the media type the package defines.
MIME=$(sed -n 's/^MimeType=//p' "$ROOT/usr/share/applications/$ID.desktop")
grep -q "type=\"${MIME%;}\"" "$ROOT/usr/share/mime/packages/$ID.xml" ||
    fail "the menu entry opens \"$MIME\", which the package does not define"
# The entry's Exec line without its file argument (%f).
EXEC=$(sed -n 's/^Exec=//p' "$ROOT/usr/share/applications/$ID.desktop" | sed 's/ %[fFuU]//')
[ -n "$EXEC" ] || fail "the menu entry has no Exec line"
[ -x "$ROOT/usr/bin/${EXEC%% *}" ] || fail "the menu entry starts \"$EXEC\", which the package lacks"
WMCLASS=$(sed -n 's/^StartupWMClass=//p' "$ROOT/usr/share/applications/$ID.desktop")
PATH="$ROOT/usr/bin:$PATH" QT_QPA_PLATFORM=xcb sh -c "exec $EXEC" &
PID=$!

MAIN=$(find_window 'Fourier et filtres')
GRAPH=$(find_window 'Graphes temporels')
sleep 1
for w in "$MAIN" "$GRAPH"; do
    name=$(xdotool getwindowname "$w")
    xprop -id "$w" _NET_WM_ICON | grep -q 'Icon (' || fail "the window \"$name\" has no icon"
    xprop -id "$w" WM_CLASS | grep -q "\"$WMCLASS\"" ||
        fail "the window \"$name\" is not of the class \"$WMCLASS\" the menu entry names"
done
import -window "$MAIN" "$OUT/package-main.png"
import -window "$GRAPH" "$OUT/package-graph.png"
kill -0 "$PID" 2>/dev/null || fail "the program ended"
echo "the unpacked program shows its two windows"
