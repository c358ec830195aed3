#!/usr/bin/env bash
# Installs what is missing, builds the 64-bit program and runs it under Wine:
#   ./run.sh [TARGET]
# On a desktop it opens on your display. Without a display it runs under Xvfb from a copy of its
# own (tools/window-shot.sh), waits until the window shows TARGET (the program itself when none
# is given) and has painted, saves a screenshot of the window, prints the screenshot's path and
# closes the program. TARGET may be a Linux path or a Windows path.
set -euo pipefail
target=()
if [ $# -gt 0 ]; then
  target=("$1")
  # A Linux path, relative to where run.sh was called from, is made absolute here and turned
  # into the Windows name Wine knows it by once the prefix exists.
  [ -e "$1" ] && target=("$(readlink -f "$1")")
fi
cd "$(dirname "$(readlink -f "$0")")"
tools/install-deps.sh
cmake --preset win64 >/dev/null
# The Wine prefix is made (the first time, some twenty seconds) while the program compiles.
tools/wine-prefix.sh build/win64 &
prefix=$!
cmake --build --preset win64 -j "$(nproc)" --target Velmora WindowShot
wait $prefix
if [ ${#target[@]} -gt 0 ] && [ -e "${target[0]}" ]; then
  target=("$(source tools/wine-env.sh build/win64 && winepath -w "${target[0]}")")
fi

if [ -n "${DISPLAY:-}" ]; then
  # Let the desktop's window manager frame the window (the tests switch this off).
  (source tools/wine-env.sh build/win64 &&
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f >/dev/null 2>&1)
  exec tools/wine-run.sh build/win64 build/win64/Velmora.exe "${target[@]}"
fi

source tools/xvfb.sh
velmora_start_xvfb
# Wine's own processes end by themselves a moment after the program; the display goes after them.
trap '(source tools/wine-env.sh build/win64; timeout 10 wineserver -w || wineserver -k) 2>/dev/null
  velmora_stop_xvfb' EXIT
# Without a window manager Wine draws the title bar and frame of an unmanaged window itself.
(source tools/wine-env.sh build/win64 &&
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1)
shot="$PWD/build/velmora-screenshot.png"
rm -f "$shot"
if ! tools/window-shot.sh build/win64 "$shot" "${target[@]}"; then
  [ -f "$shot" ] && echo "The screenshot does not show the whole window: $shot" >&2
  exit 1
fi
echo "Screenshot: $shot"
