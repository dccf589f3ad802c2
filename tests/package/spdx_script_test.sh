#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs scripts/spdx.sh on a small made-up source tree: the check lists the
# files that lack the licence line and fails; adding puts the line first
# (under a "#!" line in scripts), keeps the files' modes and the rest of
# their text, skips build folders and other kinds of files, and a second
# run changes nothing.
# Usage: spdx_script_test.sh SPDX_SCRIPT
set -eu
SPDX=$1
T=$(mktemp -d "${TMPDIR:-/tmp}/spdx-test.XXXXXX")
trap 'rm -rf "$T"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

mkdir -p "$T/src/sub dir" "$T/scripts" "$T/build/gen" "$T/.hidden"
printf 'int main() { return 0; }\n' >"$T/src/main.cpp"
printf '#pragma once\nint f();' >"$T/src/sub dir/f.h"           # no final newline
printf '// SPDX-License-Identifier: MIT\nint g;\n' >"$T/src/g.cpp" # names another licence
: >"$T/src/empty.cpp"
printf 'add_library(x STATIC main.cpp)\n' >"$T/src/CMakeLists.txt"
printf '#!/bin/sh\necho hi\n' >"$T/scripts/run.sh"
printf '#!/usr/bin/env bash\necho hi\n' >"$T/scripts/tool"
chmod 755 "$T/scripts/run.sh" "$T/scripts/tool"
printf 'text\n' >"$T/README.md"
printf 'int generated;\n' >"$T/build/gen/gen.cpp"
printf '#!/bin/sh\n' >"$T/.hidden/hook.sh"

expected='scripts/run.sh
scripts/tool
src/CMakeLists.txt
src/empty.cpp
src/main.cpp
src/sub dir/f.h'

listed=$(sh "$SPDX" --check "$T" 2>/dev/null) && fail "--check passed on a tree that lacks headers"
[ "$listed" = "$expected" ] || fail "--check listed:
$listed"

sh "$SPDX" "$T" >/dev/null
sh "$SPDX" --check "$T" || fail "--check still fails after adding the headers"

L='SPDX-License-Identifier: GPL-3.0-or-later'
[ "$(cat "$T/src/main.cpp")" = "// $L
int main() { return 0; }" ] || fail "main.cpp: $(cat "$T/src/main.cpp")"
[ "$(cat "$T/src/sub dir/f.h")" = "// $L
#pragma once
int f();" ] || fail "f.h: $(cat "$T/src/sub dir/f.h")"
[ "$(cat "$T/src/empty.cpp")" = "// $L" ] || fail "empty.cpp: $(cat "$T/src/empty.cpp")"
[ "$(head -n 1 "$T/src/CMakeLists.txt")" = "# $L" ] || fail "CMakeLists.txt: $(cat "$T/src/CMakeLists.txt")"
[ "$(cat "$T/scripts/run.sh")" = "#!/bin/sh
# $L
echo hi" ] || fail "run.sh: $(cat "$T/scripts/run.sh")"
[ "$(sed -n 2p "$T/scripts/tool")" = "# $L" ] || fail "tool: $(cat "$T/scripts/tool")"
[ -x "$T/scripts/run.sh" ] && [ -x "$T/scripts/tool" ] || fail "the scripts lost their mode"
[ "$(cat "$T/src/g.cpp")" = '// SPDX-License-Identifier: MIT
int g;' ] || fail "a file that names its licence was changed"
[ "$(cat "$T/README.md")" = text ] || fail "README.md was changed"
[ "$(cat "$T/build/gen/gen.cpp")" = 'int generated;' ] || fail "a build folder was changed"
[ "$(cat "$T/.hidden/hook.sh")" = '#!/bin/sh' ] || fail "a hidden folder was changed"

before=$(cd "$T" && find . -type f -exec md5sum {} + | sort)
sh "$SPDX" "$T" >/dev/null
after=$(cd "$T" && find . -type f -exec md5sum {} + | sort)
[ "$before" = "$after" ] || fail "a second run changed files"
[ -z "$(find "$T" -name '*.spdx-tmp')" ] || fail "temporary files left behind"
echo "spdx.sh: check, add, skip and repeat as expected"
