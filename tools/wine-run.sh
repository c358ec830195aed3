#!/usr/bin/env bash
# Runs a Windows program of a build tree under Wine: wine-run.sh BUILD_TREE PROGRAM [ARGS...]
set -eu
here=$(dirname "$(readlink -f "$0")")
tree=$1
shift
"$here/wine-prefix.sh" "$tree"
source "$here/wine-env.sh" "$tree"
if [ -z "${DISPLAY:-}" ]; then
  echo "wine-run.sh: no DISPLAY; run the tests through ./test.sh, which starts Xvfb" >&2
  exit 2
fi
# Wine's helper processes (services, desktop) outlive the program and inherit its output: give
# them a file, not the caller's pipe, so that whoever reads the output sees its end.
out=$(mktemp)
trap 'rm -f "$out"' EXIT
status=0
wine "$@" >"$out" 2>&1 </dev/null || status=$?
cat "$out"
exit $status
