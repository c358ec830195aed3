#!/usr/bin/env bash
# run.sh answers --help and refuses what it cannot run with a message that says why, before it
# builds or starts anything. It runs here from a copy of the scripts beside a made-up Wine prefix;
# every program that would install, build or start Wine is a stand-in that notes its call.
set -u
repo=$(cd "$(dirname "$(readlink -f "$0")")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copy=$work/repo
mkdir -p "$copy/tools" "$work/bin" "$work/here"
cp "$repo/run.sh" "$copy/"
cp "$repo"/tools/*.sh "$copy/tools/"
printf '#!/bin/sh\n' >"$copy/tools/install-deps.sh"
touch "$copy/README.md"
calls=$work/calls
for program in wine wine64 wineserver wineboot winepath cmake Xvfb apt-get sudo; do
  printf '#!/bin/sh\necho %s >>"%s"\nexit 97\n' "$program" "$calls" >"$work/bin/$program"
  chmod +x "$work/bin/$program"
done
prefix=$copy/build/win64/wineprefix
mkdir -p "$prefix/drive_c/windows" "$prefix/dosdevices"
touch "$prefix/.velmora-ready" "$prefix/drive_c/windows/notepad.exe"
ln -s ../drive_c "$prefix/dosdevices/c:"
display=150
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done

failures=0
# expect DISPLAY STATUS CALLS PATTERN [ARGUMENTS...]: run.sh called from a folder of its own
# ends with STATUS, has called only the stand-ins CALLS, and says what PATTERN matches.
expect() {
  local display=$1 status=$2 want_calls=$3 pattern=$4
  shift 4
  rm -f "$calls"
  output=$(cd "$work/here" &&
    env PATH="$work/bin:$PATH" DISPLAY="$display" "$copy/run.sh" "$@" 2>&1)
  local got=$? made
  made=$(cat "$calls" 2>/dev/null | tr '\n' ' ')
  if [ "$got" -ne "$status" ] || [ "$made" != "$want_calls" ] ||
    ! grep -qE -- "$pattern" <<<"$output"; then
    echo "run.sh $* (DISPLAY=$display): status $got, calls '$made';" \
      "want $status, '$want_calls', /$pattern/"
    sed 's/^/  /' <<<"$output"
    failures=$((failures + 1))
  fi
}

expect "" 0 "" '^Usage: \./run\.sh \[TARGET\]' --help
expect "" 0 "" '^Usage: \./run\.sh \[TARGET\]' -h
expect "" 2 "" 'unknown option --halp' --halp
expect "" 2 "" 'one TARGET at most' a b
expect "" 1 "" "no file or folder missing\.txt in $work/here" missing.txt
# A relative path is the caller's, never one of the repository.
expect "" 1 "" "no file or folder README\.md in $work/here" README.md
# The shell took the backslashes of an unquoted Windows path.
expect "" 2 "" "C:windowsnotepad\.exe is no full Windows path.*in quotes" 'C:windowsnotepad.exe'
expect "" 1 "" 'no file or folder C:\\windows\\write\.exe in the build' 'C:\windows\write.exe'
# A Windows path in other letter cases is found, and run.sh goes on to build.
expect "" 97 "cmake " '' 'C:\WINDOWS\Notepad.EXE'
expect ":$display" 1 "" "no X server answers on DISPLAY=:$display"
[ $failures -eq 0 ]
