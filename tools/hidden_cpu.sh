#!/usr/bin/env bash
# What the game costs while nobody sees it: the game started in a virtual
# display (Xvfb), both its windows unmapped with xdotool, and the share of one
# core it uses over some seconds, read from /proc/PID/stat (shown first, then
# hidden). With a count of toggles, the windows are then hidden and shown that
# many times in a row, and the script tells the resident memory before and
# after and whether the game still answers a key.
# Usage: tools/hidden_cpu.sh [build directory] [seconds] [toggles]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
seconds="${2:-10}"
toggles="${3:-0}"
cmake --build "$build" --target zandok -j2 >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cat > "$work/measure.sh" <<'INNER'
set -euo pipefail
zandok="$1" seconds="$2" toggles="$3"
"$zandok" > game.log 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
for ((i = 0; i < 100; i++)); do
  game="$(xdotool search --name '^3D Zandok' | head -n 1 || true)"
  panel="$(xdotool search --name '^CONTROL PANEL$' | head -n 1 || true)"
  [[ -n $game && -n $panel ]] && break
  sleep 0.1
done
[[ -n $game && -n $panel ]] || { echo "the windows did not appear"; exit 1; }
hz="$(getconf CLK_TCK)"
# utime + stime, in clock ticks; the fields counted after the program's name.
ticks() { sed 's/.*) //' "/proc/$pid/stat" | awk '{print $12 + $13}'; }
rss() { awk '/^VmRSS/ {print $2 " kB"}' "/proc/$pid/status"; }
share() {
  local t0 s0 t1 s1
  t0="$(ticks)" s0="$(date +%s.%N)"
  sleep "$seconds"
  t1="$(ticks)" s1="$(date +%s.%N)"
  awk -v t="$((t1 - t0))" -v hz="$hz" -v s0="$s0" -v s1="$s1" \
    'BEGIN {printf "%.1f%% of a core", 100 * t / hz / (s1 - s0)}'
}
sleep 1
echo "shown:  $(share) over ${seconds}s"
xdotool windowunmap "$game" windowunmap "$panel"
sleep 1
echo "hidden: $(share) over ${seconds}s"
if ((toggles > 0)); then
  before="$(rss)" start="$(date +%s.%N)"
  for ((i = 0; i < toggles; i++)); do
    xdotool windowmap "$game" windowmap "$panel" windowunmap "$game" windowunmap "$panel"
  done
  end="$(date +%s.%N)"
  xdotool windowmap "$game" windowmap "$panel"
  sleep 2
  answered=no
  xdotool key --window "$game" a 2>/dev/null
  for ((i = 0; i < 30; i++)); do
    grep -q decX output.txt && { answered=yes; break; }
    sleep 0.1
  done
  awk -v n="$toggles" -v s="$start" -v e="$end" -v b="$before" -v a="$(rss)" -v k="$answered" \
    'BEGIN {printf "%d toggles in %.1fs: resident %s before, %s after; answers a key: %s\n", n, e - s, b, a, k}'
fi
INNER
cd "$work"
LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  bash "$work/measure.sh" "$build/zandok" "$seconds" "$toggles"
