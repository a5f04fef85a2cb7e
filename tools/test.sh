#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test: the game
# logic under AddressSanitizer and UndefinedBehaviorSanitizer first, then the
# whole suite (with the real-window tests under Xvfb) in the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build-asan -DZANDOK_HEADLESS=ON -DZANDOK_SANITIZE=ON -DZANDOK_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=Debug > /dev/null
cmake --build build-asan -j"$jobs"
echo "== Game logic under the sanitizers"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j"$jobs")

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j"$jobs"
echo "== Every test"
cd build && ctest --output-on-failure
