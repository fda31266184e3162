#!/usr/bin/env bash
# Steps 1 to 7 by real input against the demo host: the company is created at the suggested
# path and holds what was typed (read with the native sqlite3); "Additional Currencies" writes
# the two currencies and shows the host's window; a missing sample company is an error before
# the host is asked; declining to open the new company stays on step 5 with it created.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
TUTORIAL_KEY='HKCU\Software\Tavrilenk\Zendri Accounting 2000\Tutorial'
FINISH_XY=$(page 208 199)
DEFAULTS1_XY=$(page 283 122)
DEFAULTS2_XY=$(page 283 237)
DESC1_XY=$(page 217 150)
OTHERS_XY=$(page 216 361)
MARK9_AT="36 305"
now_ms() { date +%s%3N; }
# click_now X Y: the pointer goes there first, then CLICKED_AT is taken right at the click.
click_now() { xdotool mousemove "$1" "$2"; sleep 0.2; CLICKED_AT=$(now_ms); xdotool click 1; }
# wait_title TEXT: polls the assistant's title until it ends with TEXT (10 s at most).
wait_title() {
  local i
  for ((i = 0; i < 500; i++)); do
    [[ "$(step_title)" == *"$1" ]] && return 0
    sleep 0.02
  done
  return 1
}
# The message dialog has no title: it is up when the place of its Yes button changes colour.
BEFORE_DIALOG=
note_screen() { BEFORE_DIALOG=$(pixel $DIALOG_YES_XY); }
dialog_up() { [ "$(pixel $DIALOG_YES_XY)" != "$BEFORE_DIALOG" ]; }
wait_dialog() {
  local i
  for ((i = 0; i < 100; i++)); do dialog_up && return 0; sleep 0.05; done
  return 1
}
mark_shown() {  # mark_shown "LEFT TOP" SHOT: the check mark's middle is not page background
  set -- $1 "$2"
  [ "$(pixel $(($1 + 114 + 8)) $(($2 + 200 + 8)) "$3")" != f5f5f5 ]
}
# Steps 1 to 4 with the suggested path and the company's details; ends on step 5.
fill_steps_1_to_4() {
  press $NEXT_XY; expect_step 2
  press $SUGGEST_XY
  press $NEXT_XY; expect_step 3
  press $NAME1_XY; type_text "Acme Trading"
  press $NAME2_XY; type_text "Acme Two"
  press $CITY_XY; type_text "Beirut"
  press $STATE_XY; type_text "BL"
  press $PHONE1_XY; type_text "111"
  press $PHONE2_XY; type_text "222"
  press $NEXT_XY; expect_step 4
  press $NEXT_XY; expect_step 5
}

start_x
rm -rf "$E2E_BIN/Data"

# --- 1: creation, the open question answered Yes, currencies ---
fresh_state
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
ASSISTANT=$WINDOW
sleep 1
fill_steps_1_to_4
note_screen
click_now $FINISH_XY
wait_dialog || fail "the open question is asked"  # the host has no company open
finish_to_question=$(($(now_ms) - CLICKED_AT))
screenshot creation_question
click_now $DIALOG_YES_XY
wait_title "step 6 of 21" || fail "step 6 follows"
yes_to_step6=$(($(now_ms) - CLICKED_AT))
screenshot creation_step06
expect_step 6
db=$(ls "$E2E_BIN"/Data/Z2KData*.gdb 2>/dev/null | head -n1)
check "the company file exists at the suggested path" test -f "$E2E_BIN/Data/Z2KData1.gdb"
q() { sqlite3 -batch "$E2E_BIN/Data/Z2KData1.gdb" "$1" 2>&1; }
check_eq "the company holds what was typed" "Acme Trading|Acme Two|Beirut|BL|111|222|$(date +%Y)|12" \
  "$(q 'SELECT Name, Name2, City, State, Phone, Phone2, FiscalYear, NumPeriods FROM Company;')"
press $NEXT_XY; expect_step 7
press $DEFAULTS1_XY; press $DEFAULTS2_XY
press $OTHERS_XY
wait_window "Currencies" 20 >/dev/null && pass "the host's currency window opens" || fail "the host's currency window opens"
screenshot currency_window
key Escape
window_gone "Currencies" 10 && pass "the currency window closes" || fail "the currency window closes"
WINDOW=$ASSISTANT
sleep 0.5
screenshot currency_question
press $DIALOG_YES_XY; sleep 0.5
screenshot currency_marked
check "Yes shows Mark9" mark_shown "$MARK9_AT" currency_marked
check_eq "both currencies are written as types 0 and 1" $'0|USD|U.S. Dollar\n1|LL|LL Pound' \
  "$(q 'SELECT Type, Code, Description FROM Currencies ORDER BY Type;')"
press $DESC1_XY; key End shift+Home; type_text "Dollar"
press $OTHERS_XY
wait_window "Currencies" 20 >/dev/null; key Escape; window_gone "Currencies" 10
WINDOW=$ASSISTANT; sleep 0.5
press $DIALOG_NO_XY; sleep 0.5
check_eq "a second press rewrites the description, the code stays" $'0|USD|Dollar\n1|LL|LL Pound' \
  "$(q 'SELECT Type, Code, Description FROM Currencies ORDER BY Type;')"
note_screen
press $EXIT_XY; sleep 1
dialog_up && press $DIALOG_YES_XY
wait_exit 30
check_eq "the run ends with Exit and no host reference kept" 0 "$DEMO_EXIT"

# --- 2: no sample company: the error, and the host is not asked ---
fresh_state
reg_add "$TUTORIAL_KEY" SampleCompany 'C:\nowhere\Sample.gdb'
rm -rf "$E2E_BIN/Data"
DEMOHOST_FAULTS="CreateCompany=fail:the host was asked" start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
ASSISTANT=$WINDOW; sleep 1
fill_steps_1_to_4
note_screen
press $FINISH_XY; sleep 1
screenshot no_sample_error
check "the error box shows" xdotool search --onlyvisible --name "Error"
key Return; sleep 0.5
WINDOW=$ASSISTANT
expect_step 5 "the assistant stays on step 5"
check_not "no company file was made" test -e "$E2E_BIN/Data/Z2KData1.gdb"
# The unsaved record makes Exit ask: how long showing the dialog takes by itself.
click_now $EXIT_XY
wait_dialog || fail "Exit asks to save"
exit_to_question=$(($(now_ms) - CLICKED_AT))
press $DIALOG_NO_XY
echo "timing (ms, polled by screenshots): Finish to the open question $finish_to_question" \
  "(settings text, CreateCompany, 0x340F, dialog); Yes to step 6 titled $yes_to_step6" \
  "(OpenCompany, step change); Exit to its question $exit_to_question (the dialog alone)"
wait_exit 30

# --- 3: the new company is not the host's current one: No stays on step 5 ---
fresh_state
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
ASSISTANT=$WINDOW; sleep 1
fill_steps_1_to_4
note_screen
press $FINISH_XY
wait_dialog && pass "the open question is asked" || fail "the open question is asked"
press $DIALOG_NO_XY; sleep 0.5
expect_step 5 "No stays on step 5"
press $PREVIOUS_XY; expect_step 4   # leaving step 5 records task 6 from the created flag
press $NEXT_XY; expect_step 5
screenshot declined_marked
check "the company is marked created (Mark6)" mark_shown "31 76" declined_marked
check "the company file was created" test -f "$E2E_BIN/Data/Z2KData1.gdb"
note_screen
press $EXIT_XY; sleep 1
dialog_up && press $DIALOG_NO_XY
wait_exit 30
finish
