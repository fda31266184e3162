#!/usr/bin/env bash
# File failures reach the user with the file's name and the system's reason in the error box,
# and Exit still ends the run: a data folder that does not exist, a folder in place of a table
# file, a table file another program holds through the run, and a "Main" value that is not
# text (the tables then start empty and typing works).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
start_x

# exit_with_error NAME: Exit (unless the window is closing already), the error box about the
# save (screenshot NAME), Return, the end.
exit_with_error() {
  wait_window "Error" 2 >/dev/null || press $EXIT_XY
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

# The notice about a table file that could not be read comes before the window; the dialog
# has no title to wait for.
notice() { sleep 7; screenshot "$1" >/dev/null; key Return; }

fresh_state
mkdir "$E2E_DATA/TutorComp.cds"
start_demo
notice folder_for_file_notice
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
press $NEXT_XY
press $PATH_EDIT_XY; type_text 'D:\Books\Folder.gdb'
press $EXIT_XY; sleep 1
press $DIALOG_YES_XY
exit_with_error folder_for_file
check "the other tables are saved" test -s "$E2E_DATA/TutorTasks.cds"

# Held by another program for the whole run: what was typed cannot replace it.
rm -rf "$E2E_DATA/TutorComp.cds"
start_demo
wait_window "$TITLE" 40 >/dev/null && sleep 1 && press $EXIT_XY
wait_exit 30
before=$(md5sum <"$E2E_DATA/TutorComp.cds")
HELPER=$E2E_ROOT/build/e2e/hold_file.exe
x86_64-w64-mingw32-gcc -municode -O2 -o "$HELPER" "$E2E_ROOT/tools/e2e/hold_file.c" ||
  fail "the helper that holds a file builds"
"$WINE" "$HELPER" "$(winepath -w "$E2E_DATA/TutorComp.cds")" 60 >"$E2E_LOGS/$E2E_NAME-held.txt" 2>&1 &
HELPER_PID=$!
sleep 3
start_demo
notice held_file_notice
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
press $NEXT_XY
press $PATH_EDIT_XY; type_text 'D:\Books\Held.gdb'
press $EXIT_XY; sleep 1
press $DIALOG_YES_XY
if wait_window "Error" 15 >/dev/null; then
  pass "held_file: the save failure is shown"
  screenshot held_file >/dev/null
  key Return
else
  fail "held_file: the save failure is shown"
fi
wait_exit 30
check_eq "held_file: Exit ends the run" 0 "$DEMO_EXIT"
kill "$HELPER_PID" 2>/dev/null; wait "$HELPER_PID" 2>/dev/null
check_eq "the held file is unchanged" "$before" "$(md5sum <"$E2E_DATA/TutorComp.cds")"

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
press $PATH_EDIT_XY; type_text 'D:\Books\Z2KData7.gdb'
sleep 0.5
check_not "typing shows no error" wait_window "Error" 2
press $EXIT_XY; sleep 1
screenshot main_not_text_question >/dev/null
press $DIALOG_YES_XY
wait_exit 30
check_eq "Exit ends the run after the tables could not be opened" 0 "$DEMO_EXIT"
finish
