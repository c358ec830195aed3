#!/usr/bin/env bash
# A small disk for the whole-program tests of full disks: a 4 MiB tmpfs that a build tree's Wine
# prefix sees as drive S:, with room for a copy of the program (its settings file sits beside it).
#   small-disk.sh mount BUILD_TREE     (after tools/wine-prefix.sh BUILD_TREE)
#   small-disk.sh unmount BUILD_TREE
# Mounting needs root, as CI has; without it the drive is left out and those tests skip.
set -eu
tree=$(cd "$2" && pwd)
disk="$tree/small-disk"
drive="$tree/wineprefix/dosdevices/s:"
case "$1" in
  mount)
    if [ "$(id -u)" != 0 ]; then
      echo "small-disk.sh: not root, so no small disk: the full-disk tests skip" >&2
      exit 0
    fi
    mkdir -p "$disk"
    if ! mountpoint -q "$disk" && ! mount -t tmpfs -o size=4m velmora-small-disk "$disk"; then
      echo "small-disk.sh: cannot mount a tmpfs: the full-disk tests skip" >&2
      exit 0
    fi
    ln -sfn ../../small-disk "$drive"
    ;;
  unmount)
    rm -f "$drive"
    if mountpoint -q "$disk"; then
      umount "$disk"
    fi
    rmdir "$disk" 2>/dev/null || true
    ;;
  *)
    echo "usage: small-disk.sh mount|unmount BUILD_TREE" >&2
    exit 2
    ;;
esac
