#!/usr/bin/env bash
# Start-up benchmark: builds the win64 tree and times the released (stripped) Velmora against a
# program that only opens a window and one that does what any program of its kind does, all
# under the same Wine (see bench/README.md).
#
#   bench/run.sh [--tree DIR] [--stand-in] [StartupProbe options: --runs N --warmup N --timeout S]
#
# --tree DIR   build and run in DIR (a Release tree made with the x86_64 toolchain) instead of
#              the preset tree build/win64
# --stand-in   time MinimalWindow.exe in the role of Velmora, to try the probe itself
set -euo pipefail
root=$(dirname "$(dirname "$(readlink -f "$0")")")
cd "$root"

tree=""
program=dist/Velmora.exe
while [ $# -gt 0 ]; do
  case $1 in
    --tree) tree=$(readlink -f "$2"); shift 2 ;;
    --stand-in) program=bench/MinimalWindow.exe; shift ;;
    *) break ;;
  esac
done

targets=(--target dist MinimalWindow TypicalWindow StartupProbe)
if [ -z "$tree" ]; then
  tree=$root/build/win64
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 -j "$(nproc)" "${targets[@]}"
else
  cmake -S "$root" -B "$tree" --toolchain "$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DVELMORA_DIST_DIR="$tree" >/dev/null
  cmake --build "$tree" -j "$(nproc)" "${targets[@]}"
fi

source tools/xvfb.sh
if [ -z "${DISPLAY:-}" ]; then
  velmora_start_xvfb
  # Wine's desktop process lingers a moment after the last program; let it go before the display.
  trap '(source "$root/tools/wine-env.sh" "$tree"; timeout 10 wineserver -w || true); velmora_stop_xvfb' EXIT
fi

# Paths relative to the tree: the probe resolves them against its Wine working folder.
cd "$tree"
"$root/tools/wine-run.sh" "$tree" bench/StartupProbe.exe "$@" "$program" bench/MinimalWindow.exe \
  bench/TypicalWindow.exe
