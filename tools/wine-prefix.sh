#!/usr/bin/env bash
# Creates the Wine prefix of a build tree once: Japanese locale, a Japanese font for the window's
# face name, Marlett for the title bar's boxes, a second drive, and no desktop integration. Safe
# to call from several processes at once.
set -eu
here=$(dirname "$(readlink -f "$0")")
source "$here/wine-env.sh" "$1"
exec 9>"$velmora_tree/wineprefix.lock"
flock 9
if [ ! -f "$WINEPREFIX/.velmora-ready" ]; then
  wineboot -i >/dev/null 2>&1
  # The window asks for "ＭＳ Ｐゴシック"; Debian's IPA font stands in for it under Wine.
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d 'IPAGothic' /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.velmora-ready"
fi
# A second fixed drive for the drive list's tests: D: is a folder of the prefix whose volume label,
# which Wine reads from the file .windows-label at the drive's root, is "Data Disk".
if [ ! -e "$WINEPREFIX/dosdevices/d:" ]; then
  mkdir -p "$WINEPREFIX/drive_d"
  printf 'Data Disk' >"$WINEPREFIX/drive_d/.windows-label"
  ln -s ../drive_d "$WINEPREFIX/dosdevices/d:"
fi
# Wine draws the title bar's boxes with the Marlett font; without it the close box shows a
# letter. Debian's Wine does not load the fonts that fonts-wine installs by itself, so the
# prefix gets a copy of Marlett.
fonts=$WINEPREFIX/drive_c/windows/Fonts
if [ ! -e "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
  cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
# C: is labelled as on a Windows machine, so that the drive list shows more than "c: []".
label=$WINEPREFIX/drive_c/.windows-label
[ -e "$label" ] || printf 'Windows' >"$label"
