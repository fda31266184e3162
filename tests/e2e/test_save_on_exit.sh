#!/usr/bin/env bash
# The close question: a path typed on step 2, Exit, Cancel keeps the window; Exit again, Yes
# saves: the company table holds the path and task 1 is accomplished.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
DIALOG_CANCEL_XY="$((285 + 2 + 278 + 31)) $((305 + 2 + 110 + 13))"
start_x
fresh_state
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
press $NEXT_XY; expect_step 2
press $PATH_EDIT_XY; type_text 'D:\Books\Z2KData7.gdb'
press $EXIT_XY; sleep 1
screenshot close_question
press $DIALOG_CANCEL_XY; sleep 0.5
check "Cancel keeps the assistant open" _demo_running
expect_step 2 "still on step 2 after Cancel"
press $EXIT_XY; sleep 1
press $DIALOG_YES_XY
wait_exit 30
check_eq "Exit ends the run with exit code 0" 0 "$DEMO_EXIT"
check "TutorComp.cds holds the path" grep -qF 'D:\\Books\\Z2KData7.gdb' "$E2E_DATA/TutorComp.cds"
check "task 1 is accomplished in TutorTasks.cds" grep -Eq '\[1, *true' "$E2E_DATA/TutorTasks.cds"
check "task 2 is not" grep -Eq '\[2, *false' "$E2E_DATA/TutorTasks.cds"
finish
