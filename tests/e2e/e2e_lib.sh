# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end scripts, sourced after they set PID to the
# program's process id.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The id of a visible window whose caption is exactly $1 (a basic regular
# expression), waiting up to 20 s; fails when the program ends first or no
# such window comes.
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
