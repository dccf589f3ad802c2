#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the desktop entry and the software-centre metadata as desktops
# and software centres read them, and renders the icon at the sizes a
# desktop shows it (OUTDIR/icon-sizes.png, to look at).
# An error or a warning of either validator fails; desktop-file-validate's
# hints are shown.
# Usage: validate_metadata.sh DESKTOPFILE METAINFOFILE ICON OUTDIR
set -eu
DESKTOP=$1
METAINFO=$2
ICON=$3
OUT=$4
status=0

fail() {
    echo "FAIL: $*" >&2
    status=1
}

for tool in desktop-file-validate appstreamcli rsvg-convert; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/install-deps.sh)" >&2; exit 1; }
done

report=$(desktop-file-validate "$DESKTOP" 2>&1) || fail "desktop-file-validate rejects $(basename "$DESKTOP")"
[ -z "$report" ] || echo "$report"
if echo "$report" | grep -q -e 'error:' -e 'warning:'; then
    fail "desktop-file-validate warns about $(basename "$DESKTOP")"
fi

report=$(appstreamcli validate --no-net --pedantic --strict "$METAINFO" 2>&1) ||
    fail "appstreamcli rejects $(basename "$METAINFO")"
echo "$report"
if echo "$report" | grep -q '^[EWIP]:'; then
    fail "appstreamcli reports issues in $(basename "$METAINFO")"
fi

mkdir -p "$OUT"
sizes=""
for s in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$s" -h "$s" "$ICON" -o "$OUT/icon-$s.png" || fail "the icon does not render at $s px"
    sizes="$sizes $OUT/icon-$s.png"
done
# One sheet on a light and a dark background, the small sizes also magnified.
if command -v convert >/dev/null; then
    convert -background '#e8e8e8' $sizes -gravity south +append "$OUT/icon-light.png"
    convert -background '#2b2b2b' $sizes -gravity south +append "$OUT/icon-dark.png"
    convert "$OUT/icon-16.png" "$OUT/icon-32.png" -filter point -resize 256x256 -background '#e8e8e8' +append "$OUT/icon-small-magnified.png"
    convert "$OUT/icon-light.png" "$OUT/icon-dark.png" "$OUT/icon-small-magnified.png" -background white -gravity west -append "$OUT/icon-sizes.png"
    rm -f "$OUT/icon-light.png" "$OUT/icon-dark.png" "$OUT/icon-small-magnified.png"
fi
rm -f $sizes
exit $status
