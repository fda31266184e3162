#!/usr/bin/env bash
# Minimize, then a restore as the task bar sends it (WM_SYSCOMMAND SC_RESTORE): the window
# fills the screen again and Exit ends the run.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
start_x
fresh_state
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
press $(at 74 571)  # Minimize
sleep 1
check_eq "Minimize leaves only the icon" 160 "$(xwininfo -id "$WINDOW" | sed -n 's/ *Width: //p')"
HELPER=$E2E_ROOT/build/e2e/restore_window.exe
x86_64-w64-mingw32-gcc -municode -O2 -o "$HELPER" "$E2E_ROOT/tools/e2e/restore_window.c" ||
  fail "the helper that restores a window builds"
check "the restore reaches the window" "$WINE" "$HELPER" "$TITLE"
sleep 1.5
screenshot restored >/dev/null
check_eq "the window fills the screen again" 1024 "$(xwininfo -id "$WINDOW" | sed -n 's/ *Width: //p')"
press $EXIT_XY
wait_exit 30
check_eq "Exit ends the run after the restore" 0 "$DEMO_EXIT"
finish
