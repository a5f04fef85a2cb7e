#!/usr/bin/env bash
# What an installed tree (a prefix, or /usr of an unpacked package) holds for
# a desktop: a menu entry that validates and names the windows' class, a
# valid AppStream description with the project's licence, the icon as an SVG
# and as PNGs of the sizes their folders say, manual pages that render
# without a warning, and the copyright file in Debian's machine-readable
# format with the licence text of LICENSE.
set -euo pipefail
tree=$1 source=$2
for program in zandok zandok-replay; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l \
    "$tree/share/man/man6/$program.6.gz" 2>&1 > /dev/null)
  test -z "$warnings" || { echo "$warnings"; exit 1; }
done
desktop=$tree/share/applications/zandok.desktop
desktop-file-validate "$desktop"
grep -qx StartupWMClass=zandok "$desktop" || { echo "no StartupWMClass=zandok"; exit 1; }
appstreamcli validate --no-net --pedantic "$tree"/share/metainfo/*.metainfo.xml
grep -q "<project_license>MIT</project_license>" "$tree"/share/metainfo/*.metainfo.xml
icons=$tree/share/icons/hicolor
test -s "$icons/scalable/apps/zandok.svg"
for size in 48 64 128 256; do
  file "$icons/${size}x$size/apps/zandok.png" | grep -q "PNG image data, $size x $size," ||
    { echo "not a $size px PNG: $(file "$icons/${size}x$size/apps/zandok.png")"; exit 1; }
done
copyright=$tree/share/doc/zandok/copyright
head -n 1 "$copyright" | grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
grep -qx "Files: \*" "$copyright"
grep -qx "Copyright: [0-9-]* The 3D Zandok developers" "$copyright"
# The stand-alone Expat paragraph, unwrapped, is the text of LICENSE.
words() { tr -s ' \n' '  ' | sed 's/^ //; s/ $//'; }
expat=$(awk '/^License: Expat$/ {on = 1; next} on && !/^ / {on = 0} on' "$copyright" |
  sed 's/^ \.$//; s/^ //' | words)
grep -qx "Copyright (c) [0-9-]* The 3D Zandok developers" "$source/LICENSE"
test "$(sed -n '/^Permission/,$p' "$source/LICENSE" | words)" = "$expat" ||
  { echo "the Expat text of the copyright file is not LICENSE's"; exit 1; }
