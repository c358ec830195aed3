#!/usr/bin/env bash
# Icon-list benchmark: builds the win64 tree and times FillIconList against the literal loop on
# a generated library of 1,000 icons, under Wine (see bench/README.md).
#
#   bench/icon-list.sh [--runs N] [--explain] [LIBRARY]
set -euo pipefail
root=$(dirname "$(dirname "$(readlink -f "$0")")")
cd "$root"
tree=$root/build/win64
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target IconListBench bench_icons

source tools/xvfb.sh
if [ -z "${DISPLAY:-}" ]; then
  velmora_start_xvfb
  trap '(source "$root/tools/wine-env.sh" "$tree"; timeout 10 wineserver -w || true); velmora_stop_xvfb' EXIT
fi
cd "$tree"
"$root/tools/wine-run.sh" "$tree" bench/IconListBench.exe "$@"
# The memory a kept list takes, each side in a process of its own (the file given, if any).
library=()
for argument in "$@"; do
  case $argument in --*|[0-9]*) ;; *) library=("$argument") ;; esac
done
for side in literal list; do
  "$root/tools/wine-run.sh" "$tree" bench/IconListBench.exe --memory "$side" "${library[@]}"
done
