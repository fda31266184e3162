#!/usr/bin/env bash
# Runs a Windows program from build/ under Wine with the project's prefix and returns its exit
# code. The program's folder is the working folder, so it finds Tutor.dll beside it.
#   tools/setup/wine-run.sh [--xvfb] PROGRAM.exe [ARGS...]
# --xvfb: always on a private Xvfb 1024x768x24; without it, a private Xvfb only when DISPLAY is
# unset (and it says so).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
source "$here/xvfb.sh"

private_x=0
if [ "${1:-}" = --xvfb ]; then private_x=1; shift; fi
[ $# -ge 1 ] || { echo "usage: $0 [--xvfb] PROGRAM.exe [ARGS...]" >&2; exit 2; }
program=$(realpath "$1"); shift
[ -f "$program" ] || { echo "wine-run: $program is missing" >&2; exit 1; }

wine_lock
"$here/wine-prefix.sh"
if [ $private_x -eq 0 ] && [ -z "${DISPLAY:-}" ]; then
  echo "DISPLAY is not set: running $(basename "$program") on a private Xvfb 1024x768 (nothing is shown)."
  private_x=1
fi
[ $private_x -eq 0 ] || xvfb_start

cd "$(dirname "$program")"
set +e
wine "$(basename "$program")" "$@"
status=$?
set -e
# Let Wine's helper processes leave before their X server goes away.
timeout 20 "$WINESERVER" -w || true
exit $status
