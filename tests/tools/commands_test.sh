#!/usr/bin/env bash
# The README's two commands where a new user's machine lacks something:
# set-up without root and without sudo gives advice and status 3; the play
# command without a graphical session says so within seconds, before
# installing or building anything, with status 2.
set -euo pipefail
root=$1
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A user who is not root, on a machine with no sudo and none of the packages.
for tool in bash cat grep; do ln -s "$(command -v $tool)" "$fake/$tool"; done
printf '#!/bin/sh\necho 1000\n' > "$fake/id"
printf '#!/bin/sh\nexit 1\n' > "$fake/dpkg-query"
chmod +x "$fake/id" "$fake/dpkg-query"
status=0
out=$(PATH=$fake "$fake/bash" "$root/tools/setup.sh" play 2>&1) || status=$?
[ "$status" -eq 3 ] || fail "setup without sudo: status $status, not 3: $out"
grep -q "apt-get install .*libglut-dev" <<< "$out" || fail "setup without sudo gives no advice: $out"

# No display: the play command ends at once, and never reaches cmake.
printf '#!/bin/sh\necho reached >> "%s/reached"\n' "$fake" > "$fake/cmake"
chmod +x "$fake/cmake"
cp "$fake/cmake" "$fake/apt-get"
status=0
begun=$SECONDS
out=$(env -u DISPLAY -u WAYLAND_DISPLAY PATH="$fake:$PATH" "$root/tools/play.sh" 2>&1) || status=$?
[ "$status" -eq 2 ] || fail "play without a display: status $status, not 2: $out"
grep -q "graphical session" <<< "$out" || fail "play without a display does not say why: $out"
[ ! -e "$fake/reached" ] || fail "play without a display installed or built first"
[ $((SECONDS - begun)) -le 5 ] || fail "play without a display took $((SECONDS - begun)) s"
echo "commands: both refuse plainly"
