#!/bin/sh
# Installs what is needed, builds the program and starts it.
set -eu
cd "$(dirname "$0")/.."

sh scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"

PROGRAM=build/app/fourierfiltre
if [ -x "$PROGRAM" ]; then
    exec "$PROGRAM"
fi
echo "Everything is built; the program has no window yet."
