#!/usr/bin/env bash
# Start-up benchmark: builds the win64 tree and times the released (stripped) Velmora against a
# program that does the same work in straight Win32 calls, with a program target and with a
# document target, and against a program that only opens a window, all under the same Wine (see
# bench/README.md).
#
#   bench/run.sh [--tree DIR] [--stand-in] [--variant EXE]... [StartupProbe options: --rounds N
#                --warmup N --timeout S --aim RATIO --program-target PATH --document-target PATH],
#                in any order
#
# --tree DIR     build and run in DIR (a Release tree made with the x86_64 toolchain) instead of
#                the preset tree build/win64
# --stand-in     time MinimalWindow.exe in the role of Velmora, to try the probe itself
# --variant EXE  time this other build of Velmora (a Linux path) beside the tree's, in the same run
set -euo pipefail
root=$(dirname "$(dirname "$(readlink -f "$0")")")
cd "$root"

tree=""
program=""
variants=()
probe_options=()
while [ $# -gt 0 ]; do
  case $1 in
    --tree) tree=$(readlink -f "$2"); shift 2 ;;
    --stand-in) program=bench/MinimalWindow.exe; shift ;;
    --variant) variants+=("$(readlink -f "$2")"); shift 2 ;;
    *) probe_options+=("$1"); shift ;;
  esac
done

targets=(--target dist PlainWindow MinimalWindow StartupProbe)
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
  # No window manager on this display: unmanaged windows, as in the tests, or Wine waits for one
  # to withdraw every window that closes.
  tools/wine-prefix.sh "$tree"
  (source tools/wine-env.sh "$tree" &&
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1)
fi

# Paths relative to the tree: the probe resolves them against its Wine working folder. Variants
# may lie anywhere, so they go by their Windows names.
cd "$tree"
# The released program, stripped, as the release archive's folder holds it.
if [ -z "$program" ]; then
  program=$(echo dist/Velmora-*-win64/Velmora.exe)
fi
variant_options=()
for exe in "${variants[@]}"; do
  variant_options+=(--variant "$(source "$root/tools/wine-env.sh" "$tree" && winepath -w "$exe")")
done
# Other work on this machine shows in every time measured: the load goes with the results.
echo "load average at the start: $(cat /proc/loadavg)"
status=0
"$root/tools/wine-run.sh" "$tree" bench/StartupProbe.exe "${variant_options[@]}" \
  "${probe_options[@]}" "$program" bench/PlainWindow.exe bench/MinimalWindow.exe || status=$?
echo "load average at the end: $(cat /proc/loadavg)"
exit $status
