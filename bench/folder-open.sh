#!/usr/bin/env bash
# Folder-opening benchmark: builds the win64 tree and times the directory list opening a folder
# with many subfolders against the bare enumeration of that folder (see bench/README.md).
#
#   bench/folder-open.sh [FolderOpen options: --folders N --runs N --warmup N]
set -euo pipefail
root=$(dirname "$(dirname "$(readlink -f "$0")")")
cd "$root"
tree=$root/build/win64
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target FolderOpen

source tools/xvfb.sh
if [ -z "${DISPLAY:-}" ]; then
  velmora_start_xvfb
  trap '(source "$root/tools/wine-env.sh" "$tree"; timeout 10 wineserver -w || true); velmora_stop_xvfb' EXIT
fi
cd "$tree"
"$root/tools/wine-run.sh" "$tree" bench/FolderOpen.exe "$@"
