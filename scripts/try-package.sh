#!/usr/bin/env bash
# Installs the Debian package on a clean Debian 12 (a debootstrap chroot), runs
# ordisan-check on the installed sample and starts the program as the menu entry does
# (its Path and Exec) under a virtual X server, takes a screenshot, then purges the
# package and its dependencies and lists every file left behind that the chroot did not
# have before. Needs root, the network to a Debian mirror, and xvfb, xdotool and
# imagemagick on this machine.
#
#   scripts/try-package.sh [PACKAGE.deb] [CHROOT]
#     (defaults: build/default/ordisan_*.deb; a fresh chroot under /tmp, removed at the end)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

deb=$(realpath "${1:-$(ls build/default/ordisan_*.deb | tail -1)}")
work=$(mktemp -d)
chroot=${2:-$work/chroot}   # a fresh one goes with $work
xvfb=""
cleanup() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  if mountpoint -q "$chroot/proc"; then umount "$chroot/proc"; fi
  rm -rf "$work"
}
trap cleanup EXIT

bash scripts/install-deps.sh debootstrap xvfb xdotool imagemagick x11-utils
if [ ! -x "$chroot/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$chroot" http://deb.debian.org/debian
fi
cp /etc/resolv.conf "$chroot/etc/resolv.conf"
mount -t proc proc "$chroot/proc"
in_chroot() { chroot "$chroot" /usr/bin/env DEBIAN_FRONTEND=noninteractive /bin/sh -c "$1"; }
files() { (cd "$chroot" && find . -xdev \( -path ./proc -o -path ./tmp -o -path ./run \
             -o -path ./var/cache -o -path ./var/lib/apt -o -path ./var/log \) -prune -o -print | sort); }

cp "$deb" "$chroot/tmp/"
in_chroot "apt-get update -q"
files > "$work/before"
in_chroot "apt-get install -y -q /tmp/$(basename "$deb")"

echo "== ordisan-check /usr/share/ordisan"
in_chroot "ordisan-check /usr/share/ordisan"

echo "== the program, started as the menu entry starts it"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display")
in_chroot "desktop=/usr/share/applications/ordisan.desktop
           cd \"\$(sed -n 's/^Path=//p' \$desktop)\" && DISPLAY=$DISPLAY exec \$(sed -n 's/^Exec=//p' \$desktop)" &
app=$!
menu=$(timeout 30 xdotool search --sync --onlyvisible --name '^Ordisan$' | head -1)
sleep 0.5
import -window root "$root/build/default/package-main-menu.png"
echo "screenshot: build/default/package-main-menu.png"
xdotool windowfocus "$menu" key Escape
wait "$app"

echo "== purge"
in_chroot "apt-get purge -y -q ordisan && apt-get autoremove --purge -y -q"
rm "$chroot/tmp/$(basename "$deb")"
files > "$work/after"
echo "Files left behind (made by the dependencies' own scripts, none of the package's):"
comm -13 "$work/before" "$work/after"
if comm -13 "$work/before" "$work/after" | grep -i ordisan; then
  echo "the package left files behind" >&2
  exit 1
fi
