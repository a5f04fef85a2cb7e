#!/usr/bin/env bash
# cmake --install into a fresh prefix: both programs answer --help and
# --version, and the tree holds what a desktop wants (installed_tree.sh).
set -euo pipefail
build=$1 version=$2 source=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
for program in zandok zandok-replay; do
  "$prefix/games/$program" --help | grep -q "^usage: $program "
  test "$("$prefix/games/$program" --version)" = "$program $version"
done
bash "$(dirname "$0")/installed_tree.sh" "$prefix" "$source"
