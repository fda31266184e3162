#!/usr/bin/env bash
# The company files the demo host writes are ordinary SQLite databases: the host's tests leave
# one behind, and the native sqlite3 tool reads it.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/build/demohost-files
rm -rf "$out" && mkdir -p "$out"
passed=0 failed=0
check_eq() {
  if [ "$2" = "$3" ]; then passed=$((passed + 1)); echo "ok   $1"
  else failed=$((failed + 1)); echo "FAIL $1: expected '$2', got '$3'"; fi
}
DEMOHOST_TEST_OUTPUT="Z:${out//\//\\}" "$root/tools/setup/wine-run.sh" --xvfb \
  "$root/build/win64/bin/demohost_tests.exe" --gtest_filter='CompanyFiles.*' >"$out/run.log" 2>&1 ||
  { tail -n 30 "$out/run.log"; }
db=$out/Checked.gdb
check_eq "the host left a company file" yes "$([ -f "$db" ] && echo yes || echo no)"
q() { sqlite3 -batch "$db" "$1" 2>&1; }
check_eq "the file passes SQLite's integrity check" ok "$(q 'PRAGMA integrity_check;')"
check_eq "it holds the company" "Acme Trading|Beirut|2027|13" "$(q 'SELECT Name, City, FiscalYear, NumPeriods FROM Company;')"
check_eq "the committed currency is in it" "USD" "$(q 'SELECT Code FROM Currencies;')"
check_eq "the voucher has its date" "2027-01-01" "$(q 'SELECT TRNSDATE FROM Vouchers;')"
check_eq "the sample banks came along" "2" "$(q "SELECT count(*) FROM Accounts WHERE Name LIKE 'Sample bank #%';")"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
