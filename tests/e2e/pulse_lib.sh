# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end scripts that play or record sound, sourced after
# they set WORK and wrote the daemon's script to $WORK/daemon.pa.

# Starts a PulseAudio daemon of the test's own and waits until
# `pactl list short $1` has a line matching $2 (a basic regular expression).
# Sets PA_PID. Skips the test (status 77) when no daemon can run here.
start_pulse() {
    PULSE_RUNTIME_PATH="$WORK/pulse" PULSE_STATE_PATH="$WORK/state" \
        pulseaudio -n -F "$WORK/daemon.pa" --daemonize=no --exit-idle-time=-1 --disallow-exit \
        --use-pid-file=no --log-target=file:"$WORK/daemon.log" &
    PA_PID=$!
    for _ in $(seq 1 50); do
        if pactl list short "$1" 2>/dev/null | grep -q "$2"; then
            return 0
        fi
        kill -0 "$PA_PID" 2>/dev/null || break
        sleep 0.2
    done
    echo "SKIP: the PulseAudio daemon could not be started here:"
    tail -n 5 "$WORK/daemon.log" 2>/dev/null || true
    exit 77
}
