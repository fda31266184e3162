#!/usr/bin/env bash
# The whole assistant in one run against the demo host, by real input: a new company from
# step 1 to step 7 (created by the host at the suggested path, opened, its currencies), then
# every set-up step: it opens each host window, adds one vendor, answers Yes on some steps and
# No on others, ticks two default-account sections and opens one, and finishes on step 21.
# The company file then holds the vendor and the voucher dated 1 January of the fiscal year,
# the task table holds exactly the answers given, and a second run shows the marks.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
TUTORIAL_KEY='HKCU\Software\Tavrilenk\Zendri Accounting 2000\Tutorial'
FINISH_XY=$(page 208 199)
YEAR=$(date +%Y)
start_x
fresh_state
rm -rf "$E2E_BIN/Data"
company=$E2E_BIN/Data/Z2KData1.gdb

page_xy() { echo $((114 + $1)) $((200 + $2)); }
# host_window BUTTON_X BUTTON_Y TITLE [close]: presses the page's button (page coordinates)
# and waits for the host's window whose title starts with TITLE; with "close", closes it
# with Escape. The assistant's window is the one the checks look at again afterwards.
host_window() {
  press $(page_xy "$1" "$2")
  if wait_window "^$3" 15 >/dev/null; then
    pass "the $3 window opens"
    sleep 0.5
    [ -n "${4:-}" ] && close_host "$3"
  else
    fail "the $3 window opens"
  fi
}
close_host() {
  key Escape
  window_gone "^$1" 10 >/dev/null || fail "the $1 window closes"
  wait_window "$TITLE" 10 >/dev/null
}
answer() {
  sleep 0.8
  if [ "$1" = yes ]; then press $DIALOG_YES_XY; else press $DIALOG_NO_XY; fi
  sleep 0.3
}
# --- run 1: from a clean start to Finish on step 21
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
press $NEXT_XY; expect_step 2
press $SUGGEST_XY
press $NEXT_XY; expect_step 3
press $NAME1_XY; type_text "Setup Trading"
press $NEXT_XY; expect_step 4
press $NEXT_XY; expect_step 5     # this year and 12 periods, as step 4 fills them
press $FINISH_XY
sleep 2
press $DIALOG_YES_XY              # open the new company
for ((i = 0; i < 100; i++)); do [[ "$(step_title)" == *"step 6 of 21" ]] && break; sleep 0.1; done
expect_step 6 "the company is created and opened"
check "the host created the company at the suggested path" test -f "$company"
press $NEXT_XY; expect_step 7
press $FIRST_EDIT_XY; type_text "USD"
press $SECOND_EDIT_XY; type_text "LL"
press $NEXT_XY; expect_step 8
host_window 264 304 "Chart of accounts" close; answer yes
screenshot setup_step08_done >/dev/null
press $NEXT_XY; expect_step 9
press $NEXT_XY; expect_step 10
press $(page_xy 57 79)    # Sales
press $(page_xy 57 126)   # Purchases
host_window 136 76 "Default accounts - Sales" close
press $(page_xy 24 301)   # the status box
screenshot setup_step10_done >/dev/null
press $NEXT_XY; expect_step 11
host_window 247 284 "Vendors"
key alt+a
if wait_window "New record - Vendors" 10 >/dev/null; then
  type_text "V900"; key Tab; type_text "Setup Supplies"; key Tab; type_text "2000"
  key Return
  check "the vendor's record form closes on OK" window_gone "New record - Vendors" 10
else
  fail "Add opens the vendor's record form"
fi
close_host Vendors
answer yes
press $NEXT_XY; expect_step 12
host_window 253 284 "Employees" close; answer no
press $NEXT_XY; expect_step 13
host_window 251 284 "Customers" close; answer yes
press $NEXT_XY; expect_step 14
host_window 260 349 "Inventory" close; answer no
press $NEXT_XY; expect_step 15
host_window 238 285 "Jobs" close; answer yes
press $NEXT_XY; expect_step 16
host_window 271 285 "Banks" close; answer no
press $NEXT_XY; expect_step 17
host_window 258 283 "Inventory locations" close; answer yes
press $NEXT_XY; expect_step 18
host_window 237 204 "Journal vouchers"
screenshot setup_step18_vouchers >/dev/null
close_host "Journal vouchers"
answer yes
press $NEXT_XY; expect_step 19
host_window 237 204 "Vendors"
screenshot setup_step19_opening >/dev/null
close_host Vendors
answer no
press $NEXT_XY; expect_step 20
host_window 237 204 "Customers" close; answer yes
press $NEXT_XY; expect_step 21
press $NEXT_XY
wait_exit 30
check_eq "Finish on step 21 ends the run with exit code 1" 1 "$DEMO_EXIT"
check_not "the assistant kept no host objects" grep -q "kept" "$DEMO_LOG"

check_eq "the vendor is in the company file" "Setup Supplies|2000" \
  "$(sqlite3 "$company" "SELECT Name, Account FROM Vendors WHERE Code = 'V900'")"
check_eq "the voucher is dated 1 January of the fiscal year" "1" \
  "$(sqlite3 "$company" "SELECT count(*) FROM Vouchers WHERE TRNSDATE LIKE '$YEAR-01-01%'")"
check "Sales has default accounts in the main currency" test "$(sqlite3 "$company" \
  "SELECT count(*) FROM DefaultAccounts WHERE Section = 0 AND Currency = 'USD'")" -gt 0
tasks=$(python3 -c 'import json,sys; t=json.load(open(sys.argv[1])); print(" ".join(str(r[0]) + ("y" if r[1] else "n") for r in t["rows"] if 8 <= r[0] <= 20))' "$E2E_DATA/TutorTasks.cds" 2>&1)
check_eq "the task table holds the answers" "8y 9n 10n 11y 12n 13y 14n 15y 16n 17y 18y 19n 20y" "$tasks"
sections=$(python3 -c 'import json,sys; t=json.load(open(sys.argv[1])); print(" ".join(f for f,v in zip([d["name"] for d in t["fields"]], t["rows"][0]) if v))' "$E2E_DATA/TutorDefAcct.cds" 2>&1)
check_eq "the ticked sections are kept" "Sales Purchases" "$sections"

# --- run 2: the marks from the stored answers, continuing from "LastPage"
check_eq "LastPage holds the last step" 21 "$(reg_query "$TUTORIAL_KEY" LastPage)"
start_demo --company "$(winepath -w "$company")"
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
press $NEXT_XY; expect_step 7 "Next on step 1 continues after the creation steps"
# The currency codes again, over whatever the edits show.
press $FIRST_EDIT_XY; key End shift+Home; type_text "USD"
press $SECOND_EDIT_XY; key End shift+Home; type_text "LL"
press $NEXT_XY; expect_step 8
# mark_on SHOT: a green check mark in the 17 x 16 place at (28, 61) of the page.
mark_on() {
  /usr/bin/python3 - "$(screenshot "$1")" $((114 + 28)) $((200 + 61)) <<'PY'
import sys
from PIL import Image
im = Image.open(sys.argv[1]).convert("RGB")
x, y = int(sys.argv[2]), int(sys.argv[3])
pixels = [im.getpixel((x + i, y + j)) for i in range(17) for j in range(16)]
sys.exit(0 if sum(1 for r, g, b in pixels if g > r + 40 and g > b + 40) >= 10 else 1)
PY
}
check "the accounts mark shows the Yes" mark_on setup_resumed_step08
for step in 9 10 11 12; do press $NEXT_XY; done
expect_step 12
check_not "the employees mark shows the No" mark_on setup_resumed_step12
press $EXIT_XY
sleep 1
wait_exit 30
finish
