#!/usr/bin/env bash
# cpack -G DEB: a package in section games holding the installed files, with
# the libraries dpkg-shlibdeps found as its dependencies, that lintian passes;
# its zandok-replay runs from an extracted copy.
set -euo pipefail
build=$1 version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" > /dev/null)
deb=$(echo "$out"/zandok_"$version"_*.deb)
test "$(dpkg-deb -f "$deb" Section)" = games
dpkg-deb -f "$deb" Depends | tee /dev/stderr | grep -q 'libglut.*libsdl2'
dpkg-deb -c "$deb" | awk '{print $6}' | sort > "$out/files"
for file in games/zandok games/zandok-replay share/applications/zandok.desktop \
  share/icons/hicolor/scalable/apps/zandok.svg share/man/man6/zandok.6.gz \
  share/man/man6/zandok-replay.6.gz share/doc/zandok/copyright; do
  grep -qx "./usr/$file" "$out/files" || { echo "missing: /usr/$file"; exit 1; }
done
lintian --fail-on error,warning "$deb"
dpkg-deb -x "$deb" "$out/root"
test "$("$out/root/usr/games/zandok-replay" --version)" = "zandok-replay $version"
