#!/usr/bin/env bash
# Saves docs/screenshot.png: the start view of a game in progress, drawn by
# the game's renderer with Mesa's software GL on a virtual display.
# Usage: tools/screenshot.sh [build directory] [picture]
#   (defaults: build, docs/screenshot.png)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
picture="${2:-$root/docs/screenshot.png}"
cmake --build "$build" --target render_screenshot -j2 >/dev/null
ppm="$(mktemp --suffix=.ppm)"
trap 'rm -f "$ppm"' EXIT
LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
  "$build/tools/render_screenshot" "$ppm"
mkdir -p "$(dirname "$picture")"
convert "$ppm" "$picture"
echo "wrote $picture"
