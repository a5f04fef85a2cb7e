#!/usr/bin/env bash
# Installs the Debian packages that are missing: what building and playing
# the game needs (tools/setup.sh play), or that and the test tools as well
# (tools/setup.sh test).
set -euo pipefail

packages=(build-essential cmake pkg-config freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri libx11-dev
  libimgui-dev libsdl2-dev librsvg2-bin)
if [ "${1:-play}" = test ]; then
  packages+=(libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick x11-utils
    clang-format clang libclang-rt-14-dev desktop-file-utils appstream man-db groff-base lintian dpkg-dev file)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
run() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo -E "$@"; fi; }
export DEBIAN_FRONTEND=noninteractive
run apt-get update -q
run apt-get install -y -q --no-install-recommends "${missing[@]}"
