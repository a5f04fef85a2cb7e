#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it; the arguments go
# to the game. ZANDOK_BUILD_DIR picks another build folder than build/.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${ZANDOK_BUILD_DIR:-build}"

# The game opens windows: without a graphical session, say so at once rather
# than after installing and building. Options that print and end need none.
case " $* " in
  *" --help "* | *" --version "* | *" --scores "*) ;;
  *)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "tools/play.sh: the game needs a graphical session, and neither DISPLAY nor" \
        "WAYLAND_DISPLAY is set. Run it from a desktop's terminal." >&2
      exit 2
    fi
    ;;
esac

tools/setup.sh play
# A build folder made before (by this command or the test command) keeps the
# options it was made with.
if [ -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" > /dev/null
else
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF > /dev/null
fi
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)"
exec "$build/zandok" "$@"
