#!/usr/bin/env bash
# Measures displayFrame under Mesa's software GL at 600 x 600 on a virtual
# display: full well (480 cubes) and lighter scenes for comparison.
# Usage: tools/render_frame_timing.sh [build directory] [frames]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
frames="${2:-200}"
cmake --build "$build" --target render_frame_timing -j2 >/dev/null
LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
  "$build/tools/render_frame_timing" "$frames"
