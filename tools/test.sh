#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, and
# runs every test: what needs no display under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzz targets (clang) for a bounded number of
# runs, then the whole suite (with the real-window tests under Xvfb) in the
# normal build.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh test
jobs=$(nproc 2>/dev/null || echo 2)
strict=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DBUILD_TESTING=ON)

cmake -S . -B build-asan "${strict[@]}" -DZANDOK_HEADLESS=ON -DZANDOK_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=Debug > /dev/null
cmake --build build-asan -j"$jobs"
echo "== Without a display, under the sanitizers"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j"$jobs")

cmake -S . -B build-fuzz "${strict[@]}" -DCMAKE_CXX_COMPILER=clang++ -DZANDOK_HEADLESS=ON \
  -DZANDOK_SANITIZE=ON -DZANDOK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build-fuzz -j"$jobs" --target replay_fuzz input_fuzz
echo "== Fuzz targets"
(cd build-fuzz && ctest --output-on-failure -R '^fuzz_')

cmake -S . -B build "${strict[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j"$jobs"
echo "== Every test"
cd build && ctest --output-on-failure
