#!/usr/bin/env bash
# What the control panel costs the game: the timedemo of a recorded game with
# the panel shown (and still) and with it hidden, runs alternating in one
# virtual display, each side's median frame rate and their ratio.
# Usage: tools/timedemo_panel.sh [build directory] [runs] [recorded game]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
runs="${2:-5}"
game="$(realpath "${3:-$root/bench/long_game.txt}")"
cmake --build "$build" --target zandok -j2 >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cat > "$work/runs.sh" <<'INNER'
set -euo pipefail
zandok="$1" runs="$2" game="$3"
for ((i = 1; i <= runs; i++)); do
  for side in shown hidden; do
    hide=""; [[ $side == hidden ]] && hide=1
    line="$(ZANDOK_HIDE_PANEL=$hide "$zandok" --timedemo "$game" 2>/dev/null)"
    echo "$side $line"
  done
done
INNER
cd "$work"
LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  bash "$work/runs.sh" "$build/zandok" "$runs" "$game" | tee "$work/out.txt"
median() { grep "^$1 " "$work/out.txt" | awk '{print $NF}' | sort -n |
  awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
shown="$(median shown)" hidden="$(median hidden)"
awk -v s="$shown" -v h="$hidden" \
  'BEGIN {printf "median fps: panel shown %.1f, hidden %.1f, ratio %.3f\n", s, h, s / h}'
