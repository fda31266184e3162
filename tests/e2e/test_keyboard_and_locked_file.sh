#!/usr/bin/env bash
# Keyboard only: the save question answered with Escape (the window stays), Alt+Y, N and
# Return. Then a table file held open without sharing by another program during start-up:
# the user is told in the assistant's dialog (answered with Return), and the file keeps its
# content after the run.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
start_x
fresh_state

# typed_run TEXT: a run that types TEXT into the path on step 2 and asks to close (Alt+F4).
typed_run() {
  start_demo
  wait_window "$TITLE" 40 >/dev/null || return 1
  sleep 1
  press $NEXT_XY
  press $PATH_EDIT_XY; type_text "$1"
  key alt+F4; sleep 1
}

typed_run 'D:\First.gdb'
screenshot keyboard_question >/dev/null
key Tab; sleep 0.3
screenshot keyboard_focus_moved >/dev/null
# The mark: a blue frame 3 pixels inside the focused button (No's left edge at x 487).
check_eq "Tab moves the focus mark to No" 0000FF "$(pixel 487 430 keyboard_focus_moved)"
check_not "No had no mark before" test "$(pixel 487 430 keyboard_question)" = 0000FF
key Escape; sleep 0.5
check "Escape answers Cancel: the assistant stays" _demo_running
key alt+F4; sleep 1
key alt+y
wait_exit 30
check_eq "Alt+Y saves and ends the run (a close request: exit code 1)" 1 "$DEMO_EXIT"
check "the path is saved" grep -qF 'D:\\First.gdb' "$E2E_DATA/TutorComp.cds"

typed_run 'Dropped'
key n
wait_exit 30
check_eq "N ends the run (a close request: exit code 1)" 1 "$DEMO_EXIT"
check_not "N discards the typing" grep -qF 'Dropped' "$E2E_DATA/TutorComp.cds"

typed_run 'Kept'
key Return
wait_exit 30
check_eq "Return ends the run (a close request: exit code 1)" 1 "$DEMO_EXIT"
check "Return answers Yes" grep -qF 'Kept' "$E2E_DATA/TutorComp.cds"

# A file held by another program while the assistant starts.
HELPER=$E2E_ROOT/build/e2e/hold_file.exe
x86_64-w64-mingw32-gcc -municode -O2 -o "$HELPER" "$E2E_ROOT/tools/e2e/hold_file.c" ||
  fail "the helper that holds a file builds"
before=$(md5sum <"$E2E_DATA/TutorComp.cds")
HELD=$E2E_LOGS/$E2E_NAME-held.txt
"$WINE" "$HELPER" "$(winepath -w "$E2E_DATA/TutorComp.cds")" 12 >"$HELD" 2>&1 &
HELPER_PID=$!
for ((i = 0; i < 50; i++)); do grep -qs held "$HELD" && break; sleep 0.2; done
check "the helper holds TutorComp.cds" grep -q held "$HELD"
start_demo
# The notice comes before the window: the dialog has no title, so look for the dialog's place.
sleep 8
screenshot locked_notice >/dev/null
key Return
wait_window "$TITLE" 30 >/dev/null || fail "the assistant's window appears after the notice"
wait "$HELPER_PID" 2>/dev/null  # the holder lets go during the run
sleep 1
press $EXIT_XY
wait_exit 30
check_eq "the run ends" 0 "$DEMO_EXIT"
check_eq "the held file keeps its content" "$before" "$(md5sum <"$E2E_DATA/TutorComp.cds")"
check_eq "nothing is set aside when the run changed nothing" 0 \
  "$(ls "$E2E_DATA" | grep -c 'TutorComp.cds.locked-')"
finish
