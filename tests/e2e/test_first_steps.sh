#!/usr/bin/env bash
# Steps 1 to 5 by clicks and typing at the design places: a new company, the suggested path,
# names and address, the current year by its button and one year down by the spin arrow,
# 12 periods; Exit, Yes. A second run continues with "Continue Create Company" and shows the
# same values and check marks on the way back.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
YEAR=$(date +%Y)
LAST_YEAR=$((YEAR - 1))
start_x
fresh_state
rm -rf "$E2E_BIN/Data"
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
screenshot first_step01
press $NEW_COMPANY_XY; expect_step 2 "Start a new company goes to step 2 without a question"
screenshot first_step02_empty
press $SUGGEST_XY
check "the suggestion created the Data folder beside the host" test -d "$E2E_BIN/Data"
screenshot first_step02
press $NEXT_XY; expect_step 3
press $NAME1_XY; type_text "Acme Trading"
press $NAME2_XY; type_text "Acme Holdings Ltd"
press $CITY_XY; type_text "Springfield"
press $STATE_XY; type_text "Oregon"
press $PHONE1_XY; type_text "555-0100"
press $PHONE2_XY; type_text "555-0199"
press $NAME1_XY
screenshot first_step03
press $NEXT_XY; expect_step 4
press $CURRENT_YEAR_XY
press $SPIN_DOWN_XY
press $DEFAULT_PERIODS_XY
screenshot first_step04
press $NEXT_XY; expect_step 5
press $EXIT_XY; sleep 1
press $DIALOG_YES_XY
wait_exit 30
check_eq "Exit ends the run with exit code 0" 0 "$DEMO_EXIT"
comp=$E2E_DATA/TutorComp.cds
check "the suggested path is stored" grep -q 'Data\\\\Z2KData1.gdb' "$comp"
check "the fiscal year is one below the current one" grep -q "\"FiscYear\", *$LAST_YEAR\|$LAST_YEAR" "$comp"
check "the names are stored" grep -q 'Acme Holdings Ltd' "$comp"
check "the address is stored" grep -q 'Springfield' "$comp"
check "12 periods are stored" grep -q '12' "$comp"
for task in 1 2 3 4 5; do
  check "task $task is accomplished" grep -Eq "\[$task, *true" "$E2E_DATA/TutorTasks.cds"
done

# --- the second run ---
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears again"
sleep 1
screenshot second_step01
press $CONTINUE_XY; expect_step 5 "Continue Create Company goes to the step reached"
press $PREVIOUS_XY; expect_step 4
screenshot second_step04
check "step 4 shows task 4's mark" mark_drawn "$MARK4_AT" second_step04
check "step 4 shows task 5's mark" mark_drawn "$MARK5_AT" second_step04
press $PREVIOUS_XY; expect_step 3
screenshot second_step03
check "step 3 shows task 2's mark" mark_drawn "$MARK2_AT" second_step03
check "step 3 shows task 3's mark" mark_drawn "$MARK3_AT" second_step03
press $PREVIOUS_XY; expect_step 2
screenshot second_step02
check "step 2 shows task 1's mark" mark_drawn "$MARK1_AT" second_step02
press $EXIT_XY; sleep 1

wait_exit 30
check_eq "the second run ends with exit code 0" 0 "$DEMO_EXIT"
check "the year survived the second run" grep -q "$LAST_YEAR" "$comp"
rm -rf "$E2E_BIN/Data"
finish
