#!/usr/bin/env bash
# The README's commands on a fresh Debian 12 machine, run as a new user would:
# a minimal root (debootstrap --variant=minbase; the base is cached between
# runs) with a user who has sudo, the project copied in twice, as a git clone
# and as a plain copy without .git (a release tarball: git archive), and, as
# that user, exactly as the README writes them:
#   tools/play.sh without a display    (must end at once, status 2, saying why)
#   tools/test.sh
#   tools/play.sh under Xvfb, quit with q y e s Return (before the test
#                                        command on the plain copy)
#   the package route of "Installing"
# One line per step with its status and time; the status is 0 when every step
# went as it should. Needs root and the Debian mirror. A developer's tool, not
# part of the test command.
# Usage: tools/fresh_machine.sh [clone|copy|both]   (both by default)
set -uo pipefail
cd "$(dirname "$0")/.."
project=$PWD
which=${1:-both}
case "$which" in clone | copy | both) ;; *)
  echo "usage: tools/fresh_machine.sh [clone|copy|both]" >&2
  exit 2
  ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "tools/fresh_machine.sh needs root (debootstrap, chroot)" >&2; exit 2; }

cache=${ZANDOK_FRESH_CACHE:-/var/cache/zandok-fresh}
base=$cache/bookworm-minbase.tar
root=$(mktemp -d /var/tmp/zandok-fresh.XXXXXX)
log=$(mktemp /var/tmp/zandok-fresh-step.XXXXXX)
user=player
failed=0

cleanup() {
  for m in dev/pts dev proc sys; do umount -l "$root/$m" 2> /dev/null; done
  rm -rf --one-file-system "$root" "$log"
}
trap cleanup EXIT

# step NAME COMMAND...: runs the command, prints its status and time; every
# step is expected to end with status 0.
step() {
  local name=$1 begun=$SECONDS status=0 verdict
  shift
  "$@" > "$log" 2>&1 || status=$?
  if [ "$status" -eq 0 ]; then
    verdict=as-expected
  else
    verdict=WRONG
    failed=1
    tail -n 80 "$log" | sed 's/^/    | /'
  fi
  printf '%-58s status %3d  %5d s  %s\n' "$name" "$status" "$((SECONDS - begun))" "$verdict"
}

# The base root, made once.
make_base() {
  command -v debootstrap > /dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap
  local fresh
  fresh=$(mktemp -d /var/tmp/zandok-base.XXXXXX)
  debootstrap --variant=minbase bookworm "$fresh" &&
    mkdir -p "$cache" && tar -C "$fresh" -cf "$base.part" . && mv "$base.part" "$base"
  local status=$?
  rm -rf --one-file-system "$fresh"
  return $status
}
if [ ! -s "$base" ]; then
  step "debootstrap a minimal Debian 12 (cached after)" make_base
  [ -s "$base" ] || exit 1
fi
tar -C "$root" -xf "$base"
chmod 755 "$root"  # mktemp made it (and the base's copy) private: a machine's / is open
cp /etc/resolv.conf "$root/etc/resolv.conf"
echo "127.0.1.1 $(hostname)" >> "$root/etc/hosts"  # sudo looks its host up
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }
as_user() {
  local dir=$1
  shift
  chroot "$root" /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin HOME=/home/$user USER=$user \
    LANG=C.UTF-8 /usr/sbin/runuser -u "$user" -- bash -c "cd '$dir' || exit 1
$*"
}
# The user, and the X server and key sender this script plays the game with
# (a desktop's part, not the project's: its own set-up installs the rest).
add_user() {
  in_root bash -c "apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
    --no-install-recommends sudo xvfb xauth xdotool" &&
    in_root useradd -m -s /bin/bash "$user" &&
    echo "$user ALL=(ALL) NOPASSWD: ALL" > "$root/etc/sudoers.d/$user"
}
step "a user with sudo; Xvfb and xdotool to play in" add_user
[ $failed -eq 0 ] || exit 1

# The project twice, owned by the user.
copies=()
if [ "$which" != copy ]; then
  git clone -q "$project" "$root/home/$user/clone" && copies+=(clone)
fi
if [ "$which" != clone ]; then
  mkdir -p "$root/home/$user/copy" && git -C "$project" archive HEAD | tar -C "$root/home/$user/copy" -xf - &&
    copies+=(copy)
fi
in_root chown -R "$user:$user" "/home/$user"

# The game under Xvfb: waits for its window, answers the quit prompt and
# expects status 0.
play_in_xvfb() {
  as_user "$1" '
    rm -f display.txt
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3> display.txt > xvfb.log 2>&1 &
    server=$!
    for i in $(seq 100); do [ -s display.txt ] && break; sleep 0.2; done
    [ -s display.txt ] || { cat xvfb.log; exit 1; }
    export DISPLAY=:$(cat display.txt)
    tools/play.sh > play.log 2>&1 & game=$!
    for i in $(seq 600); do
      xdotool search --name "^3D Zandok" > /dev/null 2>&1 && break
      kill -0 $game 2> /dev/null || break
      sleep 1
    done
    window=$(xdotool search --name "^3D Zandok" | head -n 1)
    [ -n "$window" ] || { cat play.log; kill $server; wait $server; exit 1; }
    sleep 1
    for key in q y e s Return; do xdotool key --window "$window" "$key"; sleep 0.2; done
    for i in $(seq 30); do kill -0 $game 2> /dev/null || break; sleep 1; done
    wait $game; status=$?
    kill $server; wait $server
    exit $status'
}

# The package route, exactly as "Installing" writes it, then the installed game.
package_route() {
  as_user "$1" 'sudo apt-get install -y -q dpkg-dev file &&
    (cd build && cpack -G DEB && sudo apt install -y ./zandok_1.0.0_amd64.deb) &&
    /usr/games/zandok --version && /usr/games/zandok-replay --version && man -w zandok'
}

# The clone takes the steps in the README's order of the developer's day (the
# play command then finds the test command's build); the plain copy plays
# first, so that the play command's own first build is run too.
for copy in "${copies[@]}"; do
  dir=/home/$user/$copy
  step "$copy: tools/play.sh without a display (status 2, why)" as_user "$dir" \
    'out=$(timeout 20 tools/play.sh 2>&1); s=$?; echo "$out"; [ $s -eq 2 ] && grep -q DISPLAY <<< "$out"'
  [ "$copy" = copy ] && step "$copy: tools/play.sh under Xvfb (its own build), q yes Return" \
    play_in_xvfb "$dir"
  step "$copy: tools/test.sh" as_user "$dir" "tools/test.sh"
  [ "$copy" = clone ] && step "$copy: tools/play.sh under Xvfb, q yes Return" play_in_xvfb "$dir"
  step "$copy: cpack -G DEB and apt install" package_route "$dir"
done
echo "fresh machine: $([ $failed -eq 0 ] && echo "every step as expected" || echo "some steps went WRONG")"
exit $failed
