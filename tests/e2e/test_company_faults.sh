#!/usr/bin/env bash
# The host failing under the assistant (the demo host's fault injection): creation failing
# with a text or creating nothing, opening failing, no answer to the current-database
# message; the secondary currency's Post failing and the currency window missing. Each shows
# an error box (or nothing, for "not created"), keeps the step and leaves no half-done data.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
FINISH_XY=$(page 208 199)
DEFAULTS1_XY=$(page 283 122)
DEFAULTS2_XY=$(page 283 237)
OTHERS_XY=$(page 216 361)
DB=$E2E_BIN/Data/Z2KData1.gdb
error_box() { xdotool search --onlyvisible --name "^Error$" >/dev/null 2>&1; }
close_error() { key Return; sleep 0.5; WINDOW=$ASSISTANT; }
to_step_5() {
  wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
  ASSISTANT=$WINDOW; sleep 1
  press $NEXT_XY; press $SUGGEST_XY; press $NEXT_XY
  press $NAME1_XY; type_text "Acme Trading"
  press $NEXT_XY; press $NEXT_XY; expect_step 5
}
start_x

# --- the creation and the open check ---
fresh_state; rm -rf "$E2E_BIN/Data"
DEMOHOST_FAULTS="CreateCompany#1=fail:Disk full;CreateCompany#2=notcreated;OpenCompany#1=fail:Company locked" start_demo
to_step_5
press $FINISH_XY; sleep 1
screenshot fault_create_failed
check "a failing CreateCompany shows its error" error_box
close_error
check_not "and makes no company file" test -e "$DB"
press $FINISH_XY; sleep 1
check_not "a company not created shows nothing" error_box
expect_step 5 "and keeps step 5"
check_not "nor makes a company file" test -e "$DB"
press $FINISH_XY; sleep 1.5
press $DIALOG_YES_XY; sleep 1   # open the new company: the host fails
screenshot fault_open_failed
check "a failing OpenCompany shows its error" error_box
close_error
expect_step 5 "and keeps step 5"
check "the company file was made" test -f "$DB"
press $EXIT_XY; sleep 1
wait_exit 30

# --- no answer to the current-database message ---
fresh_state; rm -rf "$E2E_BIN/Data"
DEMOHOST_FAULTS="QueryCurrentDatabase=none" start_demo
to_step_5
press $FINISH_XY; sleep 1.5
screenshot fault_no_connection
check "a host without a connection is an assertion shown as an error" error_box
close_error
expect_step 5 "and keeps step 5"
press $EXIT_XY; sleep 1
wait_exit 30

# --- the currencies ---
fresh_state; rm -rf "$E2E_BIN/Data"
DEMOHOST_FAULTS="Post#2=fail:Disk full;GetCurrencyForm#2=nowindow" start_demo
to_step_5
press $FINISH_XY; sleep 1.5
press $DIALOG_YES_XY
press $NEXT_XY; expect_step 7
press $DEFAULTS1_XY; press $DEFAULTS2_XY
press $OTHERS_XY; sleep 1
screenshot fault_post_failed
check "a failing Post shows its error" error_box
close_error
check_eq "the secondary currency was rolled back, the main one committed" "0|USD" \
  "$(sqlite3 -batch "$DB" 'SELECT Type, Code FROM Currencies ORDER BY Type;' 2>&1)"
expect_step 7 "and keeps step 7"
press $NEXT_XY; press $PREVIOUS_XY   # a new visit asks the host for its window again
expect_step 7
press $OTHERS_XY; sleep 1
screenshot fault_no_window
check "a missing currency window is an assertion shown as an error" error_box
close_error
press $EXIT_XY; sleep 1
wait_exit 30
finish
