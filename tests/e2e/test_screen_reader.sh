#!/usr/bin/env bash
# A screen reader's client (tools/e2e/msaa_probe.c, through AccessibleObjectFromWindow,
# accChildCount, get_accChild, get_accName, get_accRole, get_accState, accDoDefaultAction)
# on the assistant's real window: Next by name, its state following the path, pressed
# through its default action; then the close question read and answered the same way.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
start_x
fresh_state

PROBE=$E2E_ROOT/build/e2e/msaa_probe.exe
mkdir -p "$(dirname "$PROBE")"
x86_64-w64-mingw32-gcc -municode -O2 -o "$PROBE" "$E2E_ROOT/tools/e2e/msaa_probe.c" \
  -loleacc -lole32 -loleaut32 -luuid || fail "the probe builds"
TREE=
probe() { "$WINE" "$PROBE" "$@" 2>>"$E2E_LOGS/$E2E_NAME-probe.log" | tr -d '\r'; }
# dump NAME WINDOW: the tree into the log folder, as the file later checks read.
dump() { TREE=$E2E_LOGS/$E2E_NAME-$1.txt; probe dump "$2" >"$TREE"; }
# button_state NAME: the state bits of the push button so named in the last dump.
button_state() { awk -F'\t' -v n="$1" '$2 == "pushbutton" && $5 == n { print $3; exit }' "$TREE"; }
unavailable() { [ $((0x$(button_state "$1") & 0x1)) -ne 0 ]; }

start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
focus_window
dump step1 "$TITLE"
check "the client area lists Next as a push button with its shortcut" \
  grep -qP '^1\tpushbutton\t[0-9a-f]+\tAlt\+N\tNext$' "$TREE"
check "the page is a grouping" grep -qP '^1\tgrouping\t' "$TREE"
check "the page's text is static text" grep -qP '^2\tstatictext\t.*\tWelcome' "$TREE"
check_eq "Next pressed through its default action" pressed "$(probe press "$TITLE" Next)"
sleep 0.8
expect_step 2

dump step2 "$TITLE"
check "step 2: Next is unavailable while the path is empty" unavailable Next
check "the voice button says what it plays" grep -qP '\tPlay narration: Company path$' "$TREE"
check "the check mark says its task is not done" grep -qP '^2\tgraphic\t.*\tTask 1 not done$' "$TREE"
check "the path edit is there as the system shows it" grep -qP '^2\ttext\t' "$TREE"
type_text 'D:\Reader\Acme.gdb'
sleep 0.3
dump step2_typed "$TITLE"
check_not "Next is available after typing" unavailable Next
check_eq "Next pressed again" pressed "$(probe press "$TITLE" Next)"
sleep 0.8
expect_step 3 "the default action moved on to step 3"

check_eq "Exit pressed through its default action" pressed "$(probe press "$TITLE" Exit)"
sleep 1
dump question -
check "the message dialog's question is read" \
  grep -qP '\tstatictext\t.*\tDo you want to save Data before exit\?$' "$TREE"
check "its buttons are there" grep -qP '\tpushbutton\t.*\tAlt\+C\tCancel$' "$TREE"
check_eq "Cancel pressed in the dialog" pressed "$(probe press - Cancel)"
sleep 0.8
check "Cancel keeps the assistant" _demo_running
expect_step 3 "still on step 3"

probe press "$TITLE" Exit >/dev/null; sleep 1
check_eq "Yes pressed in the dialog" pressed "$(probe press - Yes)"
wait_exit 30
check_eq "Exit with Yes ends the run" 0 "$DEMO_EXIT"
check "the path was saved" grep -qF 'D:\\Reader\\Acme.gdb' "$E2E_DATA/TutorComp.cds"
finish
