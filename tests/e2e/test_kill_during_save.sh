#!/usr/bin/env bash
# The end-of-run save survives being killed: the run is ended with Exit and Yes, and the
# demo host is killed (SIGKILL) at a random moment once the save that follows has begun. Every table file
# must then be the old one or a whole new one, never torn; a temporary file a kill leaves is
# replaced by the next save, so none is left at the end. KILLS sets the number of runs (30).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
KILLS=${KILLS:-30}
TABLES="TutorComp.cds TutorTasks.cds TutorCurrency.cds TutorDefAcct.cds"
OLD=$E2E_ROOT/build/e2e/data/$E2E_NAME-old
start_x
fresh_state
mkdir -p "$OLD"

# run_to_question MARK: a run that adds MARK to the company path and asks the close question.
run_to_question() {
  start_assistant "$E2E_NAME-stalled-${1//[^A-Za-z0-9]/_}" || return 1
  sleep 1
  press $NEXT_XY
  press $PATH_EDIT_XY; type_text "$1"
  press $EXIT_XY; sleep 0.8
}

whole_json() { python3 -c 'import json,sys; json.load(open(sys.argv[1]))' "$1" 2>/dev/null; }

run_to_question 'D:\Start'
press $DIALOG_YES_XY
wait_exit 30
check_eq "a first run saves" 0 "$DEMO_EXIT"

old=0 new=0 torn=0 leftovers=0 before=0 after=0 seen=0
for ((i = 1; i <= KILLS; i++)); do
  for t in $TABLES; do cp "$E2E_DATA/$t" "$OLD/$t"; done
  run_to_question "K$i" || { fail "run $i shows the assistant"; kill_demo; continue; }
  read -r x y <<<"$DIALOG_YES_XY"
  xdotool mousemove "$x" "$y"; sleep 0.1
  touch "$OLD/clicked"
  delay=$(awk -v r="$RANDOM" 'BEGIN { printf "%.3f", (r % 40) / 1000 }')
  xdotool click 1
  # The save has begun once the company file's temporary file or its new content shows up;
  # the kill follows at a random moment within the next 40 ms.
  for ((w = 0; w < 3000; w++)); do
    [ -e "$E2E_DATA/TutorComp.cds.tmp" ] || [ "$E2E_DATA/TutorComp.cds" -nt "$OLD/clicked" ] &&
      { seen=$((seen + 1)); break; }
  done
  sleep "$delay"
  kill_demo
  for t in $TABLES; do
    if cmp -s "$E2E_DATA/$t" "$OLD/$t"; then
      old=$((old + 1))
    elif whole_json "$E2E_DATA/$t" && { [ "$t" != TutorComp.cds ] || grep -q "K$i" "$E2E_DATA/$t"; }; then
      new=$((new + 1))
    else
      torn=$((torn + 1)); echo "torn after kill $i ($delay s): $t"
    fi
  done
  if grep -q "K$i" "$E2E_DATA/TutorComp.cds"; then after=$((after + 1)); else before=$((before + 1)); fi
  leftovers=$((leftovers + $(ls "$E2E_DATA" | grep -c '\.tmp$')))
done
echo "kills: $KILLS (save seen under way: $seen; company file replaced before the kill:" \
  "$after, not yet: $before); table files found old: $old, new: $new, torn: $torn;" \
  "temporary files left by kills: $leftovers; starts tried again: $STARTS_RETRIED"
check_eq "no table file is torn by $KILLS kills" 0 "$torn"

run_to_question 'D:\End'
press $DIALOG_YES_XY
wait_exit 30
check_eq "a run after the kills saves" 0 "$DEMO_EXIT"
check_eq "no temporary file is left" 0 "$(ls "$E2E_DATA" | grep -c '\.tmp$')"
for t in $TABLES; do check "$t is whole" whole_json "$E2E_DATA/$t"; done
finish
