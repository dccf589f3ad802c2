#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is needed, builds everything and runs the whole test suite
# three times: the optimised build, the core alone without Qt, and a build
# with AddressSanitizer and UndefinedBehaviorSanitizer; then, where clang and
# libFuzzer are there, runs every fuzz target of the core for 20 seconds.
set -eu
cd "$(dirname "$0")/.."

sh scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
JOBS=$(nproc)

echo "== Build and tests =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWITH_QT=ON -DWITH_BENCH=ON
cmake --build build -j "$JOBS"
ctest --test-dir build --output-on-failure -j "$JOBS"

echo "== The core alone, without Qt =="
cmake -S . -B build-core -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWITH_QT=OFF -DWITH_BENCH=OFF
cmake --build build-core -j "$JOBS"
ctest --test-dir build-core --output-on-failure -j "$JOBS"

echo "== Sanitizers =="
# Line tables (-g1) are all a sanitizer's report needs, and a quarter quicker
# to build than full debugging information.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
    -DWITH_QT=ON -DWITH_SANITIZERS=ON -DWITH_BENCH=OFF
cmake --build build-asan -j "$JOBS"
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    ctest --test-dir build-asan --output-on-failure -j "$JOBS"

echo "== Fuzz targets of the core =="
if printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' |
    clang++ -x c++ -fsanitize=fuzzer,address,undefined -o /dev/null - >/dev/null 2>&1; then
    sh fuzz/run.sh 20 build-fuzz
else
    echo "clang with libFuzzer is not there: fuzzing skipped"
fi
