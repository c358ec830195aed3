#!/usr/bin/env bash
# Fails when a built program imports anything but Windows system DLLs (it must be static).
set -eu
allowed='^(kernel32|user32|gdi32|shell32|ole32|oleaut32|comctl32|comdlg32|advapi32|mpr|msimg32|msvcrt|uxtheme|shlwapi|api-ms-win-[a-z0-9-]+)\.dll$'
status=0
for exe in "$@"; do
  while read -r dll; do
    if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$allowed"; then
      echo "$exe imports $dll, which is not a Windows system DLL" >&2
      status=1
    fi
  done < <(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
done
exit $status
