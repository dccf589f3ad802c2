#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the one-line licence header at the top of every C++ source and header,
# CMake file and shell script of the source tree, where it is missing:
#     // SPDX-License-Identifier: GPL-3.0-or-later    (C++)
#     # SPDX-License-Identifier: GPL-3.0-or-later     (CMake, shell)
# A script's "#!" line stays first; the header goes right under it. A file
# that already names a licence in its first lines is left as it is, so the
# script may be run any number of times.
#
# Usage: spdx.sh [--check] [FOLDER]
#   FOLDER   the source tree (default: the one this script belongs to);
#            build folders (build*) and hidden folders are skipped.
#   --check  change nothing: list the files that lack the header and exit
#            with status 1 if there are any.
set -eu

LICENCE="SPDX-License-Identifier: GPL-3.0-or-later"

usage() {
    echo "usage: $0 [--check] [FOLDER]" >&2
    exit 2
}

check=false
root=""
for arg in "$@"; do
    case $arg in
    --check) check=true ;;
    -h | --help) usage ;;
    -*) usage ;;
    *)
        [ -z "$root" ] || usage
        root=$arg
        ;;
    esac
done
[ -n "$root" ] || root="$(dirname "$0")/.."
[ -d "$root" ] || {
    echo "$0: no folder $root" >&2
    exit 2
}
cd "$root"

# The comment mark of a file's kind, or nothing for the files left alone.
comment_of() {
    case ${1##*/} in
    *.cpp | *.cc | *.cxx | *.h | *.hh | *.hpp | *.hxx | *.h.in | *.hpp.in) echo "//" ;;
    CMakeLists.txt | *.cmake | *.cmake.in | *.sh) echo "#" ;;
    *.*) ;;
    *) # a script without an extension, known by its "#!" line
        if head -n 1 "$1" 2>/dev/null | grep -q '^#!.*\(/\|env \)\(ba\|da\)\{0,1\}sh\b'; then
            echo "#"
        fi
        ;;
    esac
}

has_header() {
    head -n 5 "$1" | grep -q 'SPDX-License-Identifier:'
}

add_header() { # file comment-mark
    line="$2 $LICENCE"
    tmp="$1.spdx-tmp"
    if head -n 1 "$1" | grep -q '^#!'; then
        { head -n 1 "$1"; printf '%s\n' "$line"; tail -n +2 "$1"; } >"$tmp"
    else
        { printf '%s\n' "$line"; cat "$1"; } >"$tmp"
    fi
    # Written back in place, so the file keeps its mode (scripts stay executable).
    cat "$tmp" >"$1"
    rm -f "$tmp"
}

missing=0
list=$(mktemp)
trap 'rm -f "$list"' EXIT
find . -type d \( -name 'build*' -o -name '.?*' \) -prune -o -type f -print | LC_ALL=C sort >"$list"
while IFS= read -r f; do
    mark=$(comment_of "$f")
    [ -n "$mark" ] || continue
    has_header "$f" && continue
    missing=$((missing + 1))
    if $check; then
        echo "${f#./}"
    else
        add_header "$f" "$mark"
        echo "added: ${f#./}"
    fi
done <"$list"

if $check && [ "$missing" -gt 0 ]; then
    echo "$missing file(s) lack the line \"$LICENCE\"; run scripts/spdx.sh to add it." >&2
    exit 1
fi
exit 0
