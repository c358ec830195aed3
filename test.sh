#!/usr/bin/env bash
# Installs what is missing, builds all presets and both release archives, checks the archives,
# and runs every test (host unit tests, brief fuzz runs, Windows tests and whole-program tests
# under Wine) through one CTest run.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"
tools/install-deps.sh
# The pictures in res/ are generated: they must be what their sources in the script give.
tools/make-resources.py --check
# The layers of src/ run one way, in includes and in library links.
tools/check-layers.sh
# Japanese literals only in the *Texts.cpp files, the ones compiled with code page 932.
tools/check-texts.py
# The C++ is as clang-format writes it.
tools/check-format.sh
jobs=$(nproc)
# fuzz: the libFuzzer targets of tests/fuzz, which the CTest run below runs briefly each.
for preset in native fuzz win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done
tools/check-imports.sh build/win64/Velmora.exe build/win32/Velmora.exe
# The release archives, build/dist/Velmora-<version>-win64.zip and -win32.zip.
for preset in win64 win32; do
  cmake --build --preset "$preset" --target dist
done
tools/check-dist.sh

source tools/xvfb.sh
velmora_start_xvfb
trap 'source tools/wine-env.sh build/win64; wineserver -k 2>/dev/null || true; velmora_stop_xvfb
  tools/small-disk.sh unmount build/win64' EXIT
tools/wine-prefix.sh build/win64
# Drive S:, a disk small enough to fill, for the tests of links on a full disk.
tools/small-disk.sh mount build/win64
(
  source tools/wine-env.sh build/win64
  # Unmanaged windows: without a window manager, Wine otherwise waits 2 s for every window that
  # closes to be withdrawn.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # One server for the whole run saves its start-up on every test.
  wineserver -w
  wineserver -p
)

ctest --preset win64 -j "$jobs" --timeout 300
