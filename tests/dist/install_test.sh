#!/usr/bin/env bash
# cmake --install into a fresh prefix: both programs answer --help and
# --version, the menu entry and the AppStream description validate, and the
# manual pages render without a warning.
set -euo pipefail
build=$1 version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
for program in zandok zandok-replay; do
  "$prefix/games/$program" --help | grep -q "^usage: $program "
  test "$("$prefix/games/$program" --version)" = "$program $version"
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l \
    "$prefix/share/man/man6/$program.6.gz" 2>&1 > /dev/null)
  test -z "$warnings" || { echo "$warnings"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/zandok.desktop"
appstreamcli validate --no-net --pedantic "$prefix"/share/metainfo/*.metainfo.xml
test -s "$prefix/share/icons/hicolor/scalable/apps/zandok.svg"
