#!/usr/bin/env bash
# The developer tools the README names, each run once and briefly: the frame
# timing, the screenshot, the timedemo with the panel shown and hidden,
# the time to the first frame, the share of a core used while hidden and the
# time of --scores print their figures or picture.
set -euo pipefail
trap 'echo "dev_tools: failed at line $LINENO" >&2' ERR
root=$1 build=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$root/tools/render_frame_timing.sh" "$build" 3 | grep -q "full well, 480 cubes, solid"
"$root/tools/screenshot.sh" "$build" "$out/shot.png" > /dev/null
test "$(identify -format %wx%h "$out/shot.png")" = 600x600
head -c 400 "$root/bench/long_game.txt" > "$out/short.txt"
"$root/tools/timedemo_panel.sh" "$build" 1 "$out/short.txt" | grep -q "^median fps: panel shown"
"$root/tools/first_frame.sh" "$build" 1 | grep -q "^median ms to the first swap"
"$root/tools/hidden_cpu.sh" "$build" 1 | grep -q "^hidden: [0-9.]*% of a core"
"$root/bench/scores_bench.sh" "$build" | grep -q "^warm: [0-9]* ms"
