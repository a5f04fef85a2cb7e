#!/bin/sh
# Plays a kept recording with the replay player and compares what it prints
# and its exit status (the last line) with the kept report beside it.
actual=$("$1" "$2" 2>&1; echo "exit: $?")
[ "$actual" = "$(cat "$3")" ] && exit 0
printf '%s\n' "$actual" | diff "$3" -
exit 1
