#!/usr/bin/env bash
# Screenshots of all 21 steps by real input, for comparing two builds pixel for pixel:
#   tools/setup/xvfb.sh bash tests/e2e/step_shots.sh OUTDIR
# Run 1 creates a company (steps 1 to 7); run 2 resumes on it with every task done and
# goes through steps 8 to 21. The mouse rests away from every control when a shot is taken.
# Not one of the end-to-end tests (run-all.sh runs test_*.sh): it takes pictures, it checks
# only that each step was reached.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
out=${1:?usage: step_shots.sh OUTDIR}
mkdir -p "$out"
FINISH_XY=$(page 208 199)
REST_XY="5 5"
shot() {
  click_rest
  import -window root "$out/step$1.png"
}
click_rest() { xdotool mousemove $REST_XY; sleep 0.8; }
go() { press $NEXT_XY; expect_step "$1"; }

start_x
rm -rf "$E2E_BIN/Data"
fresh_state
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
shot 01
go 2; press $SUGGEST_XY; shot 02
go 3; press $NAME1_XY; type_text "Acme Trading"; press $CITY_XY; type_text "Beirut"; shot 03
go 4; shot 04
go 5; shot 05
press $FINISH_XY
sleep 2
press $DIALOG_YES_XY
sleep 2
expect_step 6; shot 06
go 7
press $FIRST_EDIT_XY; type_text "USD"
press $SECOND_EDIT_XY; type_text "LL"
shot 07
press $EXIT_XY; sleep 1
press $DIALOG_YES_XY
wait_exit 30

# Every task done, so that Next leads on without the host's windows.
python3 - "$E2E_DATA/TutorTasks.cds" <<'PY'
import json, sys
t = json.load(open(sys.argv[1]))
for row in t["rows"]:
    row[1] = True
json.dump(t, open(sys.argv[1], "w"))
PY
reg_add 'HKCU\Software\Tavrilenk\Zendri Accounting 2000\Tutorial' LastPage 21
start_demo --company "$(winepath -w "$E2E_BIN/Data/Z2KData1.gdb")"
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
go 7
for step in 08 09 10 11 12 13 14 15 16 17 18 19 20 21; do
  go "$((10#$step))"; shot "$step"
done
press $EXIT_XY; sleep 1
wait_exit 30
finish
