#!/usr/bin/env bash
# cpack -G DEB: a package in section games, maintained by the project under
# its own address (never an identity from git) and with no homepage yet,
# with the libraries dpkg-shlibdeps found as its dependencies, that lintian
# passes without an error or a warning; unpacked, its tree holds what a
# desktop wants (installed_tree.sh) and its zandok-replay runs.
set -euo pipefail
build=$1 version=$2 source=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" > /dev/null)
deb=$(echo "$out"/zandok_"$version"_*.deb)
test "$(dpkg-deb -f "$deb" Section)" = games
dpkg-deb -f "$deb" Depends | tee /dev/stderr | grep -q 'libglut.*libsdl2'
maintainer="3D Zandok developers <zandok@users.noreply.example.org>"
test "$(dpkg-deb -f "$deb" Maintainer)" = "$maintainer" ||
  { echo "Maintainer: $(dpkg-deb -f "$deb" Maintainer)"; exit 1; }
test -z "$(dpkg-deb -f "$deb" Homepage)"
dpkg-deb -x "$deb" "$out/root"
zcat "$out/root/usr/share/doc/zandok/changelog.gz" | grep -qx " -- $maintainer  .*"
lintian --fail-on error,warning "$deb"
bash "$(dirname "$0")/installed_tree.sh" "$out/root/usr" "$source"
test -s "$out/root/usr/games/zandok"
test "$("$out/root/usr/games/zandok-replay" --version)" = "zandok-replay $version"
