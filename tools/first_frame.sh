#!/usr/bin/env bash
# Time to the first frame: from process start to the first buffer swap, the
# game (both windows, sound cue at start) against a bare GLUT window of the
# same size and mode (tools/first_frame_bare.cpp), runs alternating in one
# virtual display, each side's median and their ratio.
# The shell reads its clock ($EPOCHREALTIME) just before it starts the
# program; the program prints the wall clock at its first swap
# (ZANDOK_FIRST_SWAP_EXIT for the game) and ends. Both times so include the
# start of the process, its libraries and its window.
# Usage: tools/first_frame.sh [build directory] [runs]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
runs="${2:-5}"
cmake --build "$build" --target zandok first_frame_bare -j2 >/dev/null
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cat > "$work/runs.sh" <<'INNER'
set -euo pipefail
export LC_ALL=C
bare="$1" game="$2" runs="$3"
for ((i = 1; i <= runs; i++)); do
  for side in bare game; do
    exe="$bare"; [[ $side == game ]] && exe="$game"
    start="${EPOCHREALTIME/./}"
    ZANDOK_FIRST_SWAP_EXIT=1 "$exe" >/dev/null 2>swap.txt
    swap="$(awk '/^first swap / {print $3}' swap.txt)"
    echo "$side $(((swap - start) / 1000)).$(printf '%03d' $(((swap - start) % 1000)))"
  done
done
INNER
cd "$work"
LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  bash "$work/runs.sh" "$build/tools/first_frame_bare" "$build/zandok" "$runs" | tee "$work/out.txt"
median() { grep "^$1 " "$work/out.txt" | awk '{print $2}' | sort -n |
  awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
bare="$(median bare)" game="$(median game)"
awk -v b="$bare" -v g="$game" \
  'BEGIN {printf "median ms to the first swap: game %.1f, bare GLUT %.1f, ratio %.2f\n", g, b, g / b}'
