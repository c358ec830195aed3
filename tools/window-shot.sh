#!/usr/bin/env bash
# Shows the program of a build tree with a target under Wine and saves a checked picture of its
# main window as a PNG file (tools/demo/WindowShot.cpp says what is checked):
#   tools/window-shot.sh [--first-start] BUILD_TREE PICTURE [TARGET]
# It needs $DISPLAY, an Xvfb display whose Wine windows are unmanaged (Wine then draws their
# title bars). The program runs from a copy of its own, C:\Velmora\Velmora.exe in the tree's
# Wine prefix, beside a settings file that marks the first start as done: the Send To question
# does not hold the window back, and the settings next to the tree's own program are never
# touched. TARGET is a Windows path; the copy itself when none is given, so that icons show.
# With --first-start the copy has no settings file, and the picture must fail: the Send To
# question comes first.
set -eu
here=$(dirname "$(readlink -f "$0")")
first_start=false
if [ "${1:-}" = --first-start ]; then
  first_start=true
  shift
fi
tree=$1
picture=$2
shift 2
"$here/wine-prefix.sh" "$tree"
demo=$(source "$here/wine-env.sh" "$tree" && echo "$WINEPREFIX/drive_c/Velmora")
mkdir -p "$demo"
cp "$tree/Velmora.exe" "$demo/Velmora.exe"
rm -f "$demo/Velmora.ini"
$first_start || printf '[Window]\r\nStart=0\r\n' >"$demo/Velmora.ini"
rm -f "$demo/window-shot.bmp"
status=0
"$here/wine-run.sh" "$tree" "$tree/tools/demo/WindowShot.exe" 'C:\Velmora\Velmora.exe' \
  'C:\Velmora\window-shot.bmp' "$@" || status=$?
if [ -f "$demo/window-shot.bmp" ]; then
  convert "$demo/window-shot.bmp" "$picture"
  rm -f "$demo/window-shot.bmp"
fi
exit $status
