#!/bin/bash
# zandok --scores with 30 kept games of 5,000 words each: cold (no row
# cache, every game replayed) and warm (rows from the cache), best of five.
# Usage: bench/scores_bench.sh BUILD_DIR
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
games=$data/zandok/games
mkdir -p "$games"
game=$(cat "$here/long_game.txt")  # 4,312 words
for i in $(seq 10 39); do
    moves=$(printf 'incX%.0s' $(seq 1 $((688 + i))))
    printf '%s%s' "${game:0:$(((4312 - i) * 4))}" "$moves" >"$games/2026-01-01T00-00-${i}Z-1.txt"
done
best() {  # the fastest of five runs, in milliseconds
    local fastest=999999
    for _ in 1 2 3 4 5; do
        [ "$1" = cold ] && rm -f "$games/.rows"
        local start=$(date +%s%N)
        XDG_DATA_HOME=$data "$build/zandok" --scores >/dev/null
        local ms=$((($(date +%s%N) - start) / 1000000))
        ((ms < fastest)) && fastest=$ms
    done
    echo "$1: $fastest ms"
}
best cold
best warm
