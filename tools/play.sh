#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it; the arguments go
# to the game. ZANDOK_BUILD_DIR picks another build folder than build/.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${ZANDOK_BUILD_DIR:-build}"

tools/setup.sh play
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF > /dev/null
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)"
exec "$build/zandok" "$@"
