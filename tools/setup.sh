#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing: what building and playing
# the game needs (tools/setup.sh play), or that and the test tools as well
# (tools/setup.sh test). Runs apt-get as root, through sudo for other users.
# Exit status: 0 when everything is there, apt-get's when it failed, 3 when
# packages are missing and this user cannot install them.
set -euo pipefail

packages=(build-essential cmake pkg-config libglut-dev libglu1-mesa-dev libgl1-mesa-dri libx11-dev
  libimgui-dev libsdl2-dev librsvg2-bin)
case "${1:-play}" in
  play) ;;
  test)
    packages+=(libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick x11-utils
      clang clang-format libclang-rt-14-dev desktop-file-utils appstream man-db groff-base lintian
      dpkg-dev file)
    ;;
  *)
    echo "usage: tools/setup.sh [play|test]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo > /dev/null; then
  as_root=(sudo -E)
else
  cat >&2 <<EOF
tools/setup.sh: these Debian packages are missing, and installing them needs
root, but sudo is not installed. Install them as root:
  apt-get install ${missing[*]}
or run this command again as root.
EOF
  exit 3
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
