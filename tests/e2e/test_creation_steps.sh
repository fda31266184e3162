#!/usr/bin/env bash
# From a clean registry: Next leads through the creation steps as the edits are filled;
# step 5 reads Finish and keeps Next disabled; Exit asks to save, Yes writes the tables.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
start_x
fresh_state
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
screenshot step01
press $NEXT_XY; expect_step 2
screenshot step02_empty
press $NEXT_XY; expect_step 2 "Next is disabled while the path is empty"
press $PATH_EDIT_XY; type_text 'C:\Company\Z2KData1.gdb'
screenshot step02
press $NEXT_XY; expect_step 3
press $NAME1_XY; type_text "Acme Trading"
screenshot step03
key alt+n; expect_step 4 "Alt+N presses Next"
# The year and the periods arrive with their defaults; a typed digit joins the year.
press $YEAR_EDIT_XY; key End; type_text "7"
screenshot step04
press $NEXT_XY; expect_step 5
screenshot step05
press $NEXT_XY; expect_step 5 "Next stays disabled on step 5"
press $EXIT_XY
sleep 1
screenshot save_question
press $DIALOG_YES_XY
wait_exit 30
check_eq "Exit ends the run with exit code 0" 0 "$DEMO_EXIT"
check_eq "LastPage holds the highest step" 5 "$(reg_query 'HKCU\Software\Tavrilenk\Zendri Accounting 2000\Tutorial' LastPage)"
check "TutorComp.cds holds the path" grep -q 'Z2KData1.gdb' "$E2E_DATA/TutorComp.cds"
check "TutorComp.cds holds the typed fiscal year" grep -q "$(date +%Y)7" "$E2E_DATA/TutorComp.cds"
check "task 1 is accomplished" grep -Eq '\[1, *true' "$E2E_DATA/TutorTasks.cds"
for f in TutorTasks TutorComp TutorCurrency TutorDefAcct; do
  check "$f.cds written" test -s "$E2E_DATA/$f.cds"
done
finish
