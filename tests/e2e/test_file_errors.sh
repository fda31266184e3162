#!/usr/bin/env bash
# File failures reach the user with the file's name and the system's reason in the error box,
# and Exit still ends the run: a data folder that does not exist, a folder in place of a table
# file, a read-only table file, and a "Main" value that is not text (the tables then start
# empty and typing works).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
start_x

# exit_with_error NAME: Exit, the error box about the save (screenshot NAME), Return, the end.
exit_with_error() {
  press $EXIT_XY
  if wait_window "Error" 15 >/dev/null; then
    pass "$1: the save failure is shown"
    screenshot "$1" >/dev/null
    key Return
  else
    fail "$1: the save failure is shown"
  fi
  wait_exit 30
  check_eq "$1: Exit ends the run" 0 "$DEMO_EXIT"
}

fresh_state
wine reg add 'HKCU\Software\Tavrilenk\Zendri Accounting 2000\Main' /ve \
  /d "$(winepath -w "$E2E_DATA")\\missing" /f >/dev/null
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
exit_with_error missing_folder

fresh_state
mkdir "$E2E_DATA/TutorComp.cds"
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
exit_with_error folder_for_file
check "the other tables are saved" test -s "$E2E_DATA/TutorTasks.cds"

fresh_state
start_demo
wait_window "$TITLE" 40 >/dev/null && sleep 1 && press $EXIT_XY
wait_exit 30
before=$(md5sum <"$E2E_DATA/TutorTasks.cds")
chmod a-w "$E2E_DATA/TutorTasks.cds"
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
exit_with_error read_only_file
check_eq "the read-only file is unchanged" "$before" "$(md5sum <"$E2E_DATA/TutorTasks.cds")"
chmod u+w "$E2E_DATA/TutorTasks.cds"

# "Main" holds a number: said at the start; the run goes on with empty tables and ends with Exit.
fresh_state
wine reg add 'HKCU\Software\Tavrilenk\Zendri Accounting 2000\Main' /ve /t REG_DWORD /d 7 /f >/dev/null
start_demo
if wait_window "Error" 40 >/dev/null; then
  pass "a Main value of another type is reported"
  screenshot main_not_text >/dev/null
  key Return
else
  fail "a Main value of another type is reported"
fi
wait_window "$TITLE" 20 >/dev/null || fail "the assistant's window appears"
sleep 1
press $NEXT_XY; expect_step 2
press $FIRST_EDIT_XY; type_text 'D:\Books\Z2KData7.gdb'
sleep 0.5
check_not "typing shows no error" wait_window "Error" 2
press $EXIT_XY; sleep 1
screenshot main_not_text_question >/dev/null
press $DIALOG_YES_XY
wait_exit 30
check_eq "Exit ends the run after the tables could not be opened" 0 "$DEMO_EXIT"
finish
