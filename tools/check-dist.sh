#!/usr/bin/env bash
# Checks the release archives that the dist target wrote (cmake/Dist.cmake) for the project's
# version: build/dist/Velmora-<version>-win32.zip and -win64.zip.
#   tools/check-dist.sh [DIST_FOLDER]
# Each must hold one folder named as the archive, Velmora-<version>-<arch>, and in it exactly the
# program, README.txt and LICENSE.txt. The program must be for its architecture, stripped, at
# most 400 KiB, import only system DLLs and carry the version, a description and the license's
# copyright line in its version resource; the texts must be what Notepad reads right (UTF-8 with
# a byte-order mark, CRLF line ends), the license the repository's own, and the guide must answer
# what a user meets first (the topics below).
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
dist=${1:-$root/build/dist}
max_program_bytes=$((400 * 1024))
version=$(sed -n 's/^project(Velmora VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
if ! [[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]]; then
  echo "check-dist: no version of the form X.Y.Z in the project() line of CMakeLists.txt" >&2
  exit 1
fi
IFS=. read -r major minor patch <<<"$version"
copyright=$(grep -m1 '^Copyright' "$root/LICENSE")

# What the guide must cover, each as a topic and a phrase of the guide that shows it does.
guide_topics=(
  "where Send To is on Windows 11|「その他のオプションを確認」"
  "the classic menu by Shift and right click|Shift キーを押しながら右クリック"
  "the SmartScreen warning|SmartScreen"
  "running past SmartScreen|「詳細情報」をクリックしてから「実行」"
  "unblocking a downloaded file|「ブロックの解除」"
  "names the code page cannot hold|この文字コードにない文字"
  "an example of such a name|「café.txt」の「é」"
  "the question before an existing shortcut is replaced|置き換えますか"
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() {
  echo "$zip: $*" >&2
  status=1
}

for arch in win32 win64; do
  zip=$dist/Velmora-$version-$arch.zip
  if [ ! -f "$zip" ]; then
    echo "$zip: missing; build it with:" \
      "cmake --preset $arch && cmake --build --preset $arch --target dist" >&2
    status=1
    continue
  fi
  # An unzipper that extracts "here" makes the folder, never three loose files.
  folder=Velmora-$version-$arch
  files="$folder/LICENSE.txt $folder/README.txt $folder/Velmora.exe "
  entries=$(cmake -E tar tf "$zip" | grep -vxF "$folder/" | sort | tr '\n' ' ')
  [ "$entries" = "$files" ] || fail "holds $entries instead of $files"
  mkdir "$work/$arch"
  (cd "$work/$arch" && cmake -E tar xf "$zip")
  exe=$work/$arch/$folder/Velmora.exe
  [ -f "$exe" ] || continue

  header=$(x86_64-w64-mingw32-objdump -f "$exe")
  case $arch in
    win32) format=pei-i386 ;;
    win64) format=pei-x86-64 ;;
  esac
  grep -q "file format $format\$" <<<"$header" || fail "Velmora.exe is not $format"
  grep -Eq 'HAS_SYMS|HAS_DEBUG' <<<"$header" && fail "Velmora.exe is not stripped"
  size=$(stat -c %s "$exe")
  [ "$size" -le "$max_program_bytes" ] ||
    fail "Velmora.exe has $size bytes, more than $max_program_bytes"
  "$root/tools/check-imports.sh" "$exe" || fail "Velmora.exe imports more than system DLLs"

  # windres reads the resource section back into resource script text.
  resources=$(x86_64-w64-mingw32-windres -J coff -O rc -i "$exe" | sed 's/^ *//')
  # Properties > Details shows the version, what the program does and the license's copyright.
  for line in "FILEVERSION $major, $minor, $patch, 0" "PRODUCTVERSION $major, $minor, $patch, 0" \
    "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" \
    "VALUE \"LegalCopyright\", \"$copyright\""; do
    grep -qxF "$line" <<<"$resources" || fail "the version resource lacks: $line"
  done
  grep -qE '^VALUE "FileDescription", L?"Velmora .+"$' <<<"$resources" ||
    fail "the version resource's FileDescription does not say what Velmora does"

  guide=$work/$arch/$folder/README.txt
  license=$work/$arch/$folder/LICENSE.txt
  [ "$(head -c 3 "$guide" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
    fail "README.txt does not begin with the UTF-8 byte-order mark"
  iconv -f UTF-8 -t UTF-8 "$guide" >/dev/null 2>&1 || fail "README.txt is not UTF-8"
  grep -q '@[A-Za-z_]*@' "$guide" && fail "README.txt holds a placeholder that was not filled in"
  grep -qF "Velmora $version ($arch" "$guide" || fail "README.txt does not name $version ($arch)"
  grep -qF "「$folder」フォルダー" "$guide" || fail "README.txt does not name the folder $folder"
  for topic in "${guide_topics[@]}"; do
    grep -qF "${topic#*|}" "$guide" || fail "README.txt does not cover ${topic%%|*}"
  done
  # The disclaimer stands next to the license's name.
  grep -A2 -F "MIT ライセンス" "$guide" | grep -qF "無保証" ||
    fail "README.txt has no disclaimer beside the MIT license"
  for text in "$guide" "$license"; do
    # Every line ends in CR LF: no line feed without its carriage return, none missing at the end.
    if grep -q $'[^\r]$\|^$' "$text" ||
      [ "$(tail -c 2 "$text" | od -An -tx1 | tr -d ' ')" != 0d0a ]; then
      fail "$(basename "$text") does not end every line with CR LF"
    fi
  done
  tr -d '\r' <"$license" | cmp -s - "$root/LICENSE" ||
    fail "LICENSE.txt is not the repository's LICENSE"
done
[ $status -eq 0 ] && echo "check-dist: Velmora-$version-win32.zip and -win64.zip are complete"
exit $status
