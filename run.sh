#!/usr/bin/env bash
# Builds the 64-bit program and runs it under Wine; ./run.sh --help says how.
set -euo pipefail

usage() {
  cat <<'EOF'
Usage: ./run.sh [TARGET]
       ./run.sh --help

Installs what is missing, builds the 64-bit program and runs it under Wine with TARGET, the file
or folder to make a shortcut to: a Linux path (relative to the current folder) or a Windows path
in the build's Wine prefix, in quotes so that the shell keeps its backslashes:

    ./run.sh ~/notes.txt
    ./run.sh 'C:\windows\notepad.exe'

Without TARGET the program is its own target.

With a display (DISPLAY set), the window opens there as the program's first start: it asks
whether to put itself into the Send To menu, and it writes its settings next to itself, into
build/win64/Velmora.ini. What it makes stays in the build's Wine prefix: the Send To entry and
Start menu shortcuts under build/win64/wineprefix/drive_c/users/, desktop shortcuts in
build/win64/winehome/.

Without a display, it runs a copy of the program under Xvfb (C:\Velmora in the prefix, first
start already done), saves a screenshot of the window once it shows its target, prints the
screenshot's path and closes the program.
EOF
}

fail() {  # fail STATUS MESSAGE...
  echo "run.sh: ${*:2}" >&2
  exit "$1"
}

target=()
case "${1:-}" in
  -h | --help)
    usage
    exit 0
    ;;
  --) shift ;;
  -*) fail 2 "unknown option $1 (./run.sh --help says how to call it)" ;;
esac
[ $# -le 1 ] || fail 2 "one TARGET at most, not $#; put a path with spaces in quotes"
if [ $# -eq 1 ]; then
  if [ -e "$1" ]; then
    # A Linux path, relative to where run.sh was called from: made absolute here, and turned
    # into the Windows name Wine knows it by once the prefix exists.
    target=("$(readlink -f "$1")")
  elif [[ $1 =~ ^[A-Za-z]:[^\\] ]]; then
    fail 2 "$1 is no full Windows path: the shell drops the backslashes of an unquoted path." \
      "Put it in quotes: ./run.sh 'C:\\windows\\notepad.exe'"
  elif ! [[ $1 =~ ^[A-Za-z]:\\ ]]; then
    fail 1 "no file or folder $1 in $PWD (a Windows path starts with a drive, as 'C:\\...')"
  else
    target=("$1")
  fi
fi
cd "$(dirname "$(readlink -f "$0")")"

# The Linux file that an absolute Windows path names in the prefix, found as Wine finds it but
# without starting Wine: the drive's link in dosdevices, then each name, in any letter case.
prefix_file() {  # prefix_file PREFIX WINDOWS_PATH
  local drive=${2:0:1} file part entry name found
  file="$1/dosdevices/${drive,,}:"
  local IFS='\'
  read -ra parts <<<"${2:3}"
  for part in "${parts[@]}"; do
    [ -n "$part" ] || continue
    if [ -e "$file/$part" ]; then
      file+="/$part"
      continue
    fi
    found=""
    for entry in "$file"/* "$file"/.[!.]*; do
      name=${entry##*/}
      [ "${name,,}" = "${part,,}" ] && found=$entry && break
    done
    [ -n "$found" ] || return 1
    file=$found
  done
  [ -e "$file" ]
}

wine_prefix() {
  (source tools/wine-env.sh build/win64 && echo "$WINEPREFIX")
}
# A Windows TARGET is checked as soon as the prefix exists: at once when it is there, else once
# it is made.
check_windows_target() {
  [ ${#target[@]} -gt 0 ] && [ ! -e "${target[0]}" ] || return 0
  local prefix
  prefix=$(wine_prefix)
  prefix_file "$prefix" "${target[0]}" ||
    fail 1 "no file or folder ${target[0]} in the build's Wine prefix ($prefix)"
}
[ -d build/win64 ] && [ -f "$(wine_prefix)/.velmora-ready" ] && check_windows_target

# Wine cannot read the volume label of Z:, which is the Linux root, when the program's drive list
# asks for it, and says so on every run. It is no fault: the note is left out.
without_drive_z_note() {
  grep -vF 'Read access denied for device L"\\??\\z:\\"' || true
}

tools/install-deps.sh
if [ -n "${DISPLAY:-}" ] && ! timeout 10 xdpyinfo >/dev/null 2>&1; then
  fail 1 "no X server answers on DISPLAY=$DISPLAY; start one, or unset DISPLAY to get a" \
    "screenshot from Xvfb instead"
fi
cmake --preset win64 >/dev/null
# The Wine prefix is made (the first time, some twenty seconds) while the program compiles.
tools/wine-prefix.sh build/win64 &
prefix=$!
cmake --build --preset win64 -j "$(nproc)" --target Velmora WindowShot
wait $prefix
check_windows_target
if [ ${#target[@]} -gt 0 ] && [ -e "${target[0]}" ]; then
  target=("$(source tools/wine-env.sh build/win64 && winepath -w "${target[0]}")")
fi

if [ -n "${DISPLAY:-}" ]; then
  # Let the desktop's window manager frame the window (the tests switch this off).
  (source tools/wine-env.sh build/win64 &&
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f >/dev/null 2>&1)
  tools/wine-run.sh build/win64 build/win64/Velmora.exe "${target[@]}" 2>&1 | without_drive_z_note
  exit
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
if ! tools/window-shot.sh build/win64 "$shot" "${target[@]}" 2>&1 | without_drive_z_note; then
  [ -f "$shot" ] && echo "The screenshot does not show the whole window: $shot" >&2
  exit 1
fi
echo "Screenshot: $shot"
