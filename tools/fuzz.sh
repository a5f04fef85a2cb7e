#!/usr/bin/env bash
# A longer fuzz campaign than the test command's: tools/fuzz.sh TARGET SECONDS
# [--keep], TARGET being replay or input. Builds the fuzz targets (clang,
# AddressSanitizer and UndefinedBehaviorSanitizer) in build-fuzz/ (or the
# folder ZANDOK_FUZZ_BUILD names, such as the test command's build-asan/), fuzzes from
# the kept corpus (tests/fuzz/corpus/TARGET) and a work corpus of its own that
# grows from run to run, with libFuzzer's progress lines. A crash ends it with
# a non-zero status and leaves its input in that folder. --keep then merges
# the inputs that reach new code into the kept corpus, for the tests to replay.
set -euo pipefail
cd "$(dirname "$0")/.."
usage() { echo "usage: tools/fuzz.sh replay|input SECONDS [--keep]" >&2; exit 2; }
[ $# -ge 2 ] && [ $# -le 3 ] || usage
target=$1 seconds=$2 keep=${3:-}
case "$target" in replay | input) ;; *) usage ;; esac
[[ "$seconds" =~ ^[0-9]+$ ]] || usage
[ -z "$keep" ] || [ "$keep" = --keep ] || usage

build=${ZANDOK_FUZZ_BUILD:-build-fuzz}
tools/setup.sh test
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DZANDOK_HEADLESS=ON -DZANDOK_SANITIZE=ON \
  -DZANDOK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)" --target "${target}_fuzz"

kept=tests/fuzz/corpus/$target
work=$build/campaign_$target
mkdir -p "$work"
fuzzer=$build/tests/fuzz/${target}_fuzz
"$fuzzer" -max_total_time="$seconds" -max_len=1024 -dict=tests/fuzz/tokens.dict \
  -artifact_prefix="$build/$target-" -print_final_stats=1 "$work" "$kept"
if [ "$keep" = --keep ]; then
  "$fuzzer" -merge=1 -max_len=1024 "$kept" "$work"
  echo "kept corpus: $(ls "$kept" | wc -l) inputs in $kept"
fi
