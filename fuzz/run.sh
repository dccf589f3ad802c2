#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz configuration (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, the core alone) and runs every fuzz target for
# the given number of seconds, as many at once as there are cores. Each target
# starts from its seed corpus in fuzz/corpus/<target>/ and from what earlier
# runs kept in <build>/corpus/<target>/; a failing input is saved in
# <build>/crashes/. Prints the executions of each target and their total;
# fails when any target fails.
#
#   sh fuzz/run.sh [seconds per target] [build folder]    (20, build-fuzz)
set -eu
cd "$(dirname "$0")/.."

SECONDS_EACH=${1:-20}
BUILD=${2:-build-fuzz}
TARGETS="parsenumber tryparsenumber formatnumber roundtodigits nicerange valuetopixel stateredraw lessonread soundanalysis"

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DWITH_FUZZ=ON -DWITH_QT=OFF -DWITH_BENCH=OFF -DWITH_SANITIZERS=OFF >/dev/null
cmake --build "$BUILD" -j "${JOBS:-$(nproc)}" --target fuzz-all

mkdir -p "$BUILD/crashes" "$BUILD/logs"
# run_target T: runs target T for its time; its status goes to its .status file.
run_target() {
    t=$1
    mkdir -p "$BUILD/corpus/$t"
    dict=""
    case $t in
        parsenumber | tryparsenumber) dict="-dict=fuzz/numbers.dict" ;;
        lessonread) dict="-dict=fuzz/lesson.dict" ;;
    esac
    if "$BUILD/fuzz/fuzz-$t" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$BUILD/crashes/$t-" $dict \
        "$BUILD/corpus/$t" "fuzz/corpus/$t" >"$BUILD/logs/$t.log" 2>&1; then
        echo ok >"$BUILD/logs/$t.status"
    else
        echo FAILED >"$BUILD/logs/$t.status"
    fi
}

# As many targets at once as there are cores, each on one core for its
# whole time.
PARALLEL=${JOBS:-$(nproc)}
running=0
for t in $TARGETS; do
    rm -f "$BUILD/logs/$t.status"
    run_target "$t" &
    running=$((running + 1))
    if [ "$running" -ge "$PARALLEL" ]; then
        wait
        running=0
    fi
done
wait

total=0
failed=""
for t in $TARGETS; do
    log="$BUILD/logs/$t.log"
    status=$(cat "$BUILD/logs/$t.status" 2>/dev/null || echo FAILED)
    [ "$status" = ok ] || failed="$failed $t"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    runs=${runs:-0}
    total=$((total + runs))
    printf '%-16s %12s executions  %s\n' "$t" "$runs" "$status"
    if [ "$status" = FAILED ]; then
        grep -E -A 1 'check failed|runtime error|ERROR: AddressSanitizer|ERROR: libFuzzer: (timeout|out-of-memory)' "$log" | head -n 20
        grep -E 'Test unit written|^Base64' "$log" || true
        echo "  again: $BUILD/fuzz/fuzz-$t <that file>; whole log: $log"
    fi
done
printf '%-16s %12s executions\n' "total" "$total"

if [ -n "$failed" ]; then
    echo "Fuzz targets failed:$failed (logs in $BUILD/logs, inputs in $BUILD/crashes)"
    exit 1
fi
