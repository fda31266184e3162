# End-to-end helpers: DemoHost.exe under Wine on Xvfb, driven by real X input.
# A test sources this file, drives the demo and ends with `finish`:
#
#   source "$(dirname "$0")/lib.sh"
#   start_x; reset_registry
#   start_demo
#   wait_window "Set-up Assistant" || fail "assistant window"
#   click 700 570; screenshot after_next
#   check_eq "Next is hot" FFB250 "$(pixel 700 570 after_next)"
#   key alt+F4; wait_exit 30; check_eq "exit code" 0 "$DEMO_EXIT"
#   finish
#
# Screenshots go to build/e2e/shots/NAME.png, logs to build/e2e/logs/.
set -uo pipefail

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$E2E_ROOT/tools/setup/wine-env.sh"
source "$E2E_ROOT/tools/setup/xvfb.sh"
wine_lock || exit 1

E2E_NAME=$(basename "${0%.sh}")
E2E_BIN=${E2E_BIN:-$E2E_ROOT/build/win64/bin}  # another build's programs, for comparing them
E2E_SHOTS=$E2E_ROOT/build/e2e/shots
E2E_LOGS=$E2E_ROOT/build/e2e/logs
mkdir -p "$E2E_SHOTS" "$E2E_LOGS"
DEMO_LOG=$E2E_LOGS/$E2E_NAME-demo.log

E2E_PASSED=0
E2E_FAILED=0
DEMO_PID=
DEMO_EXIT=
WINDOW=
LAST_SHOT=

# --- results ------------------------------------------------------------------------------------
pass() { E2E_PASSED=$((E2E_PASSED + 1)); echo "ok   $1"; }
fail() { E2E_FAILED=$((E2E_FAILED + 1)); echo "FAIL $1${2:+: $2}"; }

# check DESCRIPTION COMMAND [ARGS...]: passes when the command succeeds. It runs in this shell
# (so wait_window can set WINDOW); its standard output is dropped.
check() {
  local description=$1; shift
  if "$@" >/dev/null; then pass "$description"; else fail "$description" "'$*' failed"; fi
}

# check_not DESCRIPTION COMMAND [ARGS...]: passes when the command fails.
check_not() {
  local description=$1; shift
  if "$@" >/dev/null; then fail "$description" "'$*' succeeded"; else pass "$description"; fi
}

# check_eq DESCRIPTION EXPECTED ACTUAL
check_eq() {
  if [ "$2" = "$3" ]; then pass "$1"; else fail "$1" "expected '$2', got '$3'"; fi
}

# Prints this test's tally and exits with its verdict. A test that checked nothing fails.
finish() {
  echo "$E2E_PASSED passed, $E2E_FAILED failed"
  if [ $((E2E_PASSED + E2E_FAILED)) -eq 0 ]; then
    echo "FAIL $E2E_NAME checked nothing"
    exit 1
  fi
  [ "$E2E_FAILED" -eq 0 ] && exit 0 || exit 1
}

# --- X server -------------------------------------------------------------------------------------
# A fresh Xvfb 1024x768x24 for this test; run-all.sh already gives each test its own.
start_x() {
  if [ "${E2E_FRESH_X:-}" = 1 ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  xvfb_start || return 1
  trap _e2e_cleanup EXIT
}

# sound_to_files DIR: for the rest of the test (call it after start_x), Wine's sound goes
# through an ALSA `file` device that writes every opened stream to DIR/stream*; the HOME's
# .asoundrc is put back when the test ends.
sound_to_files() {
  ALSA_RC=$HOME/.asoundrc
  [ -f "$ALSA_RC" ] && cp "$ALSA_RC" "$ALSA_RC.e2e-saved"
  cat >"$ALSA_RC" <<ALSA
pcm.!default {
  type file
  slave.pcm "null"
  file "$1/stream"
  format "raw"
  truncate false
}
ALSA
  trap '_restore_alsa; _e2e_cleanup' EXIT
}
_restore_alsa() {
  if [ -f "$ALSA_RC.e2e-saved" ]; then mv "$ALSA_RC.e2e-saved" "$ALSA_RC"; else rm -f "$ALSA_RC"; fi
}

# --- the demo ---------------------------------------------------------------------------------
# start_demo [ARGS...]: DemoHost.exe in the background from build/win64/bin. Without the
# program nothing that follows can pass: the test ends there.
start_demo() {
  if [ ! -f "$E2E_BIN/DemoHost.exe" ]; then
    fail "DemoHost.exe is built" "$E2E_BIN/DemoHost.exe is missing"
    finish
  fi
  "$E2E_ROOT/tools/setup/wine-prefix.sh"
  echo "--- start_demo $*" >>"$DEMO_LOG"
  (cd "$E2E_BIN" && exec "$WINE" DemoHost.exe "$@") >>"$DEMO_LOG" 2>&1 &
  DEMO_PID=$!
  DEMO_EXIT=
}

# kill_demo: ends the demo at once (SIGKILL), as a crash or a power cut would, and waits for its
# Wine session to wind down: a program started while the desktop process is going down may
# get no window at all.
kill_demo() {
  kill -KILL "$DEMO_PID" 2>/dev/null
  wait "$DEMO_PID" 2>/dev/null
  DEMO_PID=
  timeout 30 "$WINESERVER" -w 2>/dev/null ||
    echo "kill_demo: the Wine session still runs 30s after the kill" >&2
}

_demo_running() {  # a reaped or zombie process counts as ended
  [ -n "$DEMO_PID" ] && [ -r "/proc/$DEMO_PID/stat" ] &&
    [ "$(sed 's/.*) //' "/proc/$DEMO_PID/stat" | cut -d' ' -f1)" != Z ]
}

# wait_exit TIMEOUT_SECONDS: waits for the demo to end; returns its exit code (also in
# DEMO_EXIT), 124 when it had to be killed. Call it directly, not in $(...): only this shell
# can collect the exit code of its child.
wait_exit() {
  local timeout=${1:-30} waited=0
  [ -n "$DEMO_PID" ] || { echo "wait_exit: no demo started" >&2; return 2; }
  while _demo_running && [ "$waited" -lt $((timeout * 5)) ]; do
    sleep 0.2; waited=$((waited + 1))
  done
  if _demo_running; then
    echo "wait_exit: DemoHost.exe still running after ${timeout}s, killed" >&2
    kill -KILL "$DEMO_PID" 2>/dev/null
    wait "$DEMO_PID" 2>/dev/null
    DEMO_EXIT=124
  else
    wait "$DEMO_PID" 2>/dev/null
    DEMO_EXIT=$?
  fi
  DEMO_PID=
  return "$DEMO_EXIT"
}

# --- windows and input ------------------------------------------------------------------------
# wait_window TITLE_SUBSTRING [TIMEOUT_SECONDS]: prints the window id and sets WINDOW.
wait_window() {
  local title=$1 timeout=${2:-30} i id
  for ((i = 0; i < timeout * 5; i++)); do
    id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n1)
    if [ -n "$id" ]; then
      WINDOW=$id
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  echo "wait_window: no visible window named '$title' after ${timeout}s" >&2
  return 1
}

# describe_stalled_start NAME: what there is to see when a started demo shows no window: a
# screenshot, the visible windows, the Wine processes and the end of the demo's log.
describe_stalled_start() {
  screenshot "$1" >/dev/null
  echo "--- stalled start: screenshot $E2E_SHOTS/$1.png; visible windows:"
  xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null | head -n 10
  echo "--- Wine processes:"
  ps -eo pid,stat,etime,args | grep -iE 'wine|\.exe' | grep -v grep | head -n 20
  echo "--- end of $DEMO_LOG:"
  tail -n 15 "$DEMO_LOG"
}

# window_gone TITLE_SUBSTRING [TIMEOUT_SECONDS]: succeeds once no such window is visible.
window_gone() {
  local title=$1 timeout=${2:-10} i
  for ((i = 0; i < timeout * 5; i++)); do
    xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 || return 0
    sleep 0.2
  done
  return 1
}

# click X Y [WINDOW_ID]: left click at screen coordinates, or relative to the window.
click() {
  if [ -n "${3:-}" ]; then
    xdotool mousemove --window "$3" "$1" "$2"
  else
    xdotool mousemove "$1" "$2"
  fi
  sleep 0.15
  xdotool click 1
  sleep 0.25
}

# type_text TEXT: types into the focused control.
type_text() { xdotool type --delay 40 -- "$1"; sleep 0.2; }

# key KEY...: key chords such as alt+n, Return, Tab.
key() { xdotool key --delay 60 -- "$@"; sleep 0.2; }

# focus_window [WINDOW_ID]: gives the keyboard to the window (there is no window manager).
focus_window() { xdotool windowfocus --sync "${1:-$WINDOW}"; sleep 0.1; }

# --- screen ---------------------------------------------------------------------------------------
# screenshot NAME: the whole screen into build/e2e/shots/NAME.png; prints the path.
screenshot() {
  LAST_SHOT=$E2E_SHOTS/$1.png
  import -window root "$LAST_SHOT" && echo "$LAST_SHOT"
}

# pixel X Y [NAME]: colour as RRGGBB of screenshot NAME, or of a new screenshot.
pixel() {
  local file
  if [ -n "${3:-}" ]; then
    file=$E2E_SHOTS/$3.png
  else
    file=$E2E_SHOTS/$E2E_NAME-pixel.png
    import -window root "$file" || return 1
  fi
  convert "$file" -format "%[hex:u.p{$1,$2}]" info: | cut -c1-6
}

# --- registry (the prefix's HKEY_CURRENT_USER and friends) ----------------------------------------
# reg_query KEY VALUE: prints the value's data; fails when the value is absent.
reg_query() {
  local out name
  out=$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r') || return 1
  name=$(printf '%s' "$2" | sed 's/[][\.*^$/]/\\&/g')
  printf '%s\n' "$out" | sed -n "s/^    $name    REG_[A-Z_]*    //p" | head -n1 | grep '' ||
    printf '%s\n' "$out" | grep -q "^    $name    REG_" # present but empty
}

# reg_add KEY VALUE DATA [TYPE]: TYPE defaults to REG_SZ.
reg_add() { wine reg add "$1" /v "$2" /t "${4:-REG_SZ}" /d "$3" /f >/dev/null; }

# The assistant's settings, so that a test starts as a first run.
reset_registry() { wine reg delete 'HKCU\Software\Tavrilenk' /f >/dev/null 2>&1 || true; }

# --- cleanup ------------------------------------------------------------------------------------
_e2e_cleanup() {
  if _demo_running; then kill -KILL "$DEMO_PID" 2>/dev/null; fi
  # Wine's helper processes hold X connections: end them before their X server goes.
  "$WINESERVER" -k 2>/dev/null || true
  timeout 10 "$WINESERVER" -w 2>/dev/null || true
  xvfb_stop
}
trap _e2e_cleanup EXIT
