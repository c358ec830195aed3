#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Velmora need, if missing.
set -eu
packages=(cmake make g++ googletest libgtest-dev locales
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 xvfb fonts-ipafont-gothic imagemagick
  python3 python3-liblnk clang-format)
# Wine's own fonts: Marlett draws the boxes of the title bar (tools/wine-prefix.sh). xdpyinfo
# tells run.sh whether an X server answers on DISPLAY.
packages+=(fonts-wine x11-utils)
# The fuzz targets (tests/fuzz): libFuzzer comes with clang's runtime; the texts are converted
# for clang by a Python script.
packages+=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
# Wine takes its ANSI code page from the locale: ja_JP.UTF-8 gives code page 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  $sudo sed -i 's/^# *\(ja_JP.UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
