# Places on the 1024 x 768 screen: the 800 x 600 design is centred, so everything moves by
# (112, 84); pages sit in the content area at (114, 200).
OFFSET_X=112
OFFSET_Y=84
at() { echo $(($1 + OFFSET_X)) $(($2 + OFFSET_Y)); }
NEXT_XY=$(at 648 566)
PREVIOUS_XY=$(at 612 566)
EXIT_XY=$(at 30 567)
# Pages sit at (114, 200) on the screen: page() turns page coordinates into screen ones.
page() { echo $(($1 + 114)) $(($2 + 200)); }
# Step 7: the main and the secondary currency code.
FIRST_EDIT_XY=$(page 150 126)
SECOND_EDIT_XY=$(page 150 241)
# Step 1: the option buttons (they overlap by 5 rows; these points are in no overlap).
NEW_COMPANY_XY=$(page 200 100)
CONTINUE_XY=$(page 200 143)
# Step 2: the path edit, the browse and the suggest button.
PATH_EDIT_XY=$(page 250 194)
BROWSE_XY=$(page 485 194)
SUGGEST_XY=$(page 521 201)
# Step 3: names, city, state, telephones.
NAME1_XY=$(page 250 114)
NAME2_XY=$(page 250 140)
CITY_XY=$(page 170 246)
STATE_XY=$(page 390 252)
PHONE1_XY=$(page 170 272)
PHONE2_XY=$(page 390 278)
# Step 4: the year edit, its spin arrows, "Current Year", the period list, "Default".
YEAR_EDIT_XY=$(page 170 154)
SPIN_UP_XY=$(page 214 148)
SPIN_DOWN_XY=$(page 214 161)
CURRENT_YEAR_XY=$(page 287 156)
PERIODS_XY=$(page 170 293)
DEFAULT_PERIODS_XY=$(page 289 295)
# Check marks of tasks 1 to 5 (left, top in the page; 17 x 16).
MARK1_AT="32 64"; MARK2_AT="31 56"; MARK3_AT="31 168"; MARK4_AT="32 78"; MARK5_AT="32 207"
# The message dialog (453 x 158 with its border) is centred: Yes and No buttons.
DIALOG_YES_XY="$((285 + 2 + 116 + 31)) $((305 + 2 + 110 + 13))"
DIALOG_NO_XY="$((285 + 2 + 197 + 31)) $((305 + 2 + 110 + 13))"
TITLE="Company set-up"
E2E_DATA=$E2E_ROOT/build/e2e/data/$E2E_NAME

# A clean registry whose "Main" value points the table files at a scratch folder.
fresh_state() {
  reset_registry
  rm -rf "$E2E_DATA"; mkdir -p "$E2E_DATA"
  wine reg add 'HKCU\Software\Tavrilenk\Zendri Accounting 2000\Main' /ve /d "$(winepath -w "$E2E_DATA")" /f >/dev/null
}
# start_assistant SHOT: start_demo, then the assistant's window within 40 s. For the kill loops,
# which test the saves: a start that shows no window after a kill's Wine session went down is
# rare and not theirs to test, so it is described (screenshot SHOT), ended and tried once more;
# only a second stall fails. STARTS_RETRIED counts the retries.
STARTS_RETRIED=0
start_assistant() {
  start_demo
  wait_window "$TITLE" 40 >/dev/null && return 0
  describe_stalled_start "$1"
  kill_demo
  STARTS_RETRIED=$((STARTS_RETRIED + 1))
  start_demo
  wait_window "$TITLE" 40 >/dev/null
}
step_title() { xdotool getwindowname "$WINDOW" 2>/dev/null; }
# expect_step N [WHAT]: the title names step N within 5 s (a loaded machine is slow to change).
expect_step() {
  local i
  for ((i = 0; i < 50; i++)); do
    [ "$(step_title)" = "$TITLE - step $1 of 21" ] && break
    sleep 0.1
  done
  check_eq "${2:-on step $1}" "$TITLE - step $1 of 21" "$(step_title)"
}
press() { click $1 $2; sleep 0.3; }

# mark_drawn "LEFT TOP" SHOT: succeeds when the 17 x 16 mark area of the page is not plain.
mark_drawn() {
  local left=${1% *} top=${1#* }
  local colours
  colours=$(convert "$E2E_SHOTS/$2.png" -crop "17x16+$((left + 114))+$((top + 200))" +repage -format '%k' info:)
  [ "$colours" -gt 1 ]
}

# wait_dialog [TIMEOUT]: the message dialog (453 x 158, no title) is on the screen.
wait_dialog() {
  local i id
  for ((i = 0; i < ${1:-40} * 5; i++)); do
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
      xdotool getwindowgeometry "$id" 2>/dev/null | grep -q 'Geometry: 453x158' && return 0
    done
    sleep 0.2
  done
  return 1
}
