#!/usr/bin/env bash
# The demo host as a person uses it: a company with sample rows, the main window with the
# company in its title, each list window from the Lists menu, and the assistant started a
# second time from the Company menu.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
start_x
fresh_state
company=$E2E_DATA/Shots.gdb
"$E2E_ROOT/tools/make_sample_company.sh" "$company"
sqlite3 "$company" "
  UPDATE Company SET Name = 'Acme Trading', City = 'Beirut', FiscalYear = 2027;
  INSERT INTO Vendors (Code, Name, Account, Phone, OpeningBalance, OpeningDate)
    VALUES ('V001', 'Paper Mill Ltd', '2000', '01-111111', 1250.5, '2027-01-01'),
           ('V002', 'Office Supplies Co', '2000', '01-222222', 300, '2027-01-01');
  INSERT INTO Customers (Code, Name, Account, Phone, OpeningBalance)
    VALUES ('C001', 'Cedar Bookshop', '1200', '01-333333', 800);
  INSERT INTO Employees (Code, Name, Position) VALUES ('E01', 'Rima Haddad', 'Accountant');
  INSERT INTO Jobs (Code, Name, Supervisor) VALUES ('J01', 'New warehouse', 'E01');
  INSERT INTO Banks (Code, Name, Account, AccountNumber) VALUES ('B1', 'First bank', '1010', '001-2345');
  INSERT INTO Currencies (Type, Code, Description) VALUES (0, 'USD', 'U.S. Dollar'), (1, 'LL', 'LL Pound');
  INSERT INTO Vouchers (TRNSDATE, Description) VALUES ('2027-01-01', 'Opening balances');"

start_demo --stay --company "$(winepath -w "$company")"
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
press $EXIT_XY
check "the host's main window shows the company in its title" wait_window "Demo accounting host - Acme Trading" 20
sleep 0.5
screenshot demohost_main >/dev/null

# The shortcut buttons of the main window (at 40, 40 on the screen), two to a row.
open_list() {  # COLUMN ROW TITLE SHOT
  click $((205 + $1 * 308)) $((260 + $2 * 38))
  if wait_window "^$3\$" 10 >/dev/null; then
    pass "the $3 window opens"
    sleep 0.5
    screenshot "$4" >/dev/null
    key Escape
    check "the $3 window closes with Escape" window_gone "^$3\$" 10
  else
    fail "the $3 window opens"
  fi
}
open_list 0 0 "Chart of accounts" demohost_accounts
open_list 1 0 "Vendors" demohost_vendors
open_list 0 1 "Customers" demohost_customers
open_list 1 1 "Employees" demohost_employees
open_list 0 2 "Inventory" demohost_stock
open_list 1 2 "Jobs" demohost_jobs
open_list 0 3 "Banks" demohost_banks
open_list 1 3 "Inventory locations" demohost_locations
open_list 0 4 "Currencies" demohost_currencies
open_list 1 4 "Journal vouchers" demohost_vouchers

# A vendor added through the record form lands in the file; the Opening page lists balances.
click 513 260
if wait_window "^Vendors\$" 10 >/dev/null; then
  click 124 101
  sleep 0.5
  screenshot demohost_vendors_opening >/dev/null
  click 359 474
  if wait_window "New record - Vendors" 10 >/dev/null; then
    type_text "V003"; key Tab; type_text "Tyre Depot"; key Tab; type_text "2000"
    key Tab Tab; type_text "99.5"; key Tab; type_text "2027-01-01"
    screenshot demohost_vendor_form >/dev/null
    key Return
    check "the record form closes on OK" window_gone "New record - Vendors" 10
  else
    fail "Add opens the record form"
  fi
  key Escape
  window_gone "^Vendors\$" 10
fi
check_eq "the new vendor is in the company file" "Tyre Depot|99.5|2027-01-01" \
  "$(sqlite3 "$company" "SELECT Name, OpeningBalance, OpeningDate FROM Vendors WHERE Code = 'V003'")"

# Default accounts of a section in the main currency, from the Lists menu.
focus_window "$(xdotool search --name 'Demo accounting host - ' | head -n1)"
key alt+l d Return
if check "the default accounts window opens" wait_window "Default accounts - Sales" 10; then
  sleep 0.5
  screenshot demohost_default_accounts >/dev/null
  key Escape
fi
check_eq "the section's roles are stored for the currency" 3 \
  "$(sqlite3 "$company" "SELECT count(*) FROM DefaultAccounts WHERE Section = 0 AND Currency = 'USD'")"

# The assistant a second time, then the host closed: the exit code is that of the last run.
focus_window "$(xdotool search --name 'Demo accounting host - ' | head -n1)"
key alt+c s
check "the assistant starts again from the Company menu" wait_window "$TITLE" 30
sleep 1
press $EXIT_XY
sleep 1
run_log() { tac "$DEMO_LOG" | sed '/^--- start_demo/q'; }  # this start's lines only
check_eq "the host reported both runs" 2 "$(run_log | grep -c 'LaunchTutorial returned true')"
focus_window "$(xdotool search --name 'Demo accounting host - ' | head -n1)"
key alt+F4
wait_exit 30
check_eq "closing the host ends it with the last run's result" 0 "$DEMO_EXIT"
check_not "the assistant kept no host objects" grep -q "kept" <(run_log)
finish
