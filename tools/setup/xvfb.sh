#!/usr/bin/env bash
# Xvfb on a free display, 1024x768x24 (XVFB_SCREEN=WxHxD for another), stopped when the shell exits.
#   source tools/setup/xvfb.sh; xvfb_start      # exports DISPLAY
#   tools/setup/xvfb.sh COMMAND [ARGS...]       # runs COMMAND with its own Xvfb

XVFB_PID=
XVFB_LOG=${XVFB_LOG:-/tmp/tutor-xvfb.$$.log}

xvfb_start() {
  local fdfile
  fdfile=$(mktemp)
  # -displayfd: the server itself takes the first free display number and reports it.
  Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp 3>"$fdfile" >"$XVFB_LOG" 2>&1 &
  XVFB_PID=$!
  local i display=
  for i in $(seq 1 100); do
    display=$(tr -dc '0-9' <"$fdfile")
    [ -n "$display" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$fdfile"
  if [ -z "$display" ]; then
    echo "xvfb: could not start Xvfb (see $XVFB_LOG)" >&2
    return 1
  fi
  export DISPLAY=:$display
  for i in $(seq 1 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  # Keep any EXIT trap the caller already set.
  local previous
  previous=$(trap -p EXIT | sed -E "s/^trap -- '(.*)' EXIT$/\1/")
  trap "xvfb_stop${previous:+; $previous}" EXIT
}

xvfb_stop() {
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
  rm -f "$XVFB_LOG"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  [ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }
  xvfb_start
  set +e
  "$@"
  status=$?
  xvfb_stop
  trap - EXIT
  exit $status
fi
