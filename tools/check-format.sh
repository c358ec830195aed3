#!/usr/bin/env bash
# Fails when a C or C++ file of src, tests, bench or tools is not as clang-format (.clang-format
# at the top) writes it. Mend with: tools/check-format.sh --fix
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
mapfile -d '' files < <(find src tests bench tools -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0 | sort -z)
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}"; then
  echo "check-format: the files above are not as clang-format writes them; run tools/check-format.sh --fix" >&2
  exit 1
fi
