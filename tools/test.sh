#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, and
# runs every test, in two trees:
#   build-asan  what needs no display, with the fuzz targets, built by clang
#               under AddressSanitizer and UndefinedBehaviorSanitizer: the
#               headless suite, each fuzz target over its kept corpus, then
#               a short fresh fuzz run of each;
#   build       everything, as players build it: the whole suite, with the
#               real-window tests under Xvfb, the play command, installing
#               and packing.
# Each stage prints its name and its time, and a line at least every 20 s.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc 2>/dev/null || echo 2)
strict=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DBUILD_TESTING=ON)
started=$SECONDS

# stage NAME COMMAND...: runs the command, saying that it still runs when it
# has been quiet for a while, and how long it took.
stage() {
    local name=$1 begun=$SECONDS
    shift
    echo "== $name"
    (
        while sleep 20; do echo "   ... $name: $((SECONDS - begun)) s"; done
    ) &
    local ticker=$! status=0
    "$@" || status=$?
    kill "$ticker" 2> /dev/null
    wait "$ticker" 2> /dev/null || true
    if [ "$status" -ne 0 ]; then
        echo "== $name: FAILED (status $status) after $((SECONDS - begun)) s"
        exit "$status"
    fi
    echo "== $name: $((SECONDS - begun)) s"
}

configure() { cmake -S . "$@" > /dev/null; }

stage "Packages" tools/setup.sh test
stage "Configure" configure -B build-asan "${strict[@]}" -DCMAKE_CXX_COMPILER=clang++ \
    -DZANDOK_HEADLESS=ON -DZANDOK_SANITIZE=ON -DZANDOK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
stage "Build without a display, sanitized (clang)" cmake --build build-asan -j"$jobs"
stage "Tests without a display, under the sanitizers" \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" -E '^fuzz_run_'
stage "Fuzz targets, fresh runs" \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" -R '^fuzz_run_'
stage "Configure the game" configure -B build "${strict[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
stage "Build everything (gcc)" cmake --build build -j"$jobs"
stage "Every test, with real windows" ctest --test-dir build --output-on-failure -j"$jobs"
echo "== All stages passed in $((SECONDS - started)) s"
