#!/usr/bin/env bash
# Installs what is missing, builds the 64-bit program and runs it under Wine:
#   ./run.sh [TARGET]
# On a desktop it opens on your display. Without a display it runs under Xvfb, saves a
# screenshot after a few seconds, prints the screenshot's path and closes the program.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"
tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$(nproc)" --target Velmora
tools/wine-prefix.sh build/win64

if [ -n "${DISPLAY:-}" ]; then
  # Let the desktop's window manager frame the window (the tests switch this off).
  (source tools/wine-env.sh build/win64 &&
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f >/dev/null 2>&1)
  exec tools/wine-run.sh build/win64 build/win64/Velmora.exe "$@"
fi

source tools/xvfb.sh
velmora_start_xvfb
trap 'source tools/wine-env.sh build/win64; wineserver -k 2>/dev/null || true; velmora_stop_xvfb' EXIT
# Without a window manager, Wine's own desktop window draws the title bar and frame.
tools/wine-run.sh build/win64 explorer /desktop=Velmora,800x600 build/win64/Velmora.exe "$@" &
sleep "${VELMORA_SCREENSHOT_DELAY:-6}"
shot="$PWD/build/velmora-screenshot.png"
import -display "$DISPLAY" -window root -crop 800x600+0+0 "$shot"
echo "Screenshot: $shot"
