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
exec wine "$@"
