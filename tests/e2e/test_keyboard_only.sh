#!/usr/bin/env bash
# No mouse at all: steps 1 to 5 with Return, typing, Tab, Space and Alt+letter; the focus mark
# on the skinned buttons; Escape on step 3 asks the close question, and Escape there keeps
# the window.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
start_x
fresh_state

# focus_mark X Y SHOT: the focus frame's blue at a point of its left edge.
focus_mark() { test "$(pixel "$1" "$2" "$3")" = 0000FF; }
# The left edge of the frame 3 pixels inside a button placed at (LEFT, TOP) on the screen.
NEXT_MARK_XY="$((633 + 3 + OFFSET_X)) $((552 + 14 + OFFSET_Y))"

start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
focus_window
expect_step 1
screenshot keyboard_only_step1 >/dev/null
check "step 1: Next wears the focus mark" focus_mark $NEXT_MARK_XY keyboard_only_step1

key Return; sleep 0.5
expect_step 2 "Return on step 1 goes to step 2"
type_text 'D:\Keyboard\Acme.gdb'
screenshot keyboard_only_step2 >/dev/null
check_not "step 2: the focus is in the path edit, not on Next" focus_mark $NEXT_MARK_XY keyboard_only_step2
key Return; sleep 0.5
expect_step 3 "Return with a path goes to step 3"

type_text 'Acme Keyboard'
key Tab; type_text 'Second line'
# After the two names comes the address' voice button (page 148, 196): the mark shows there.
key Tab; sleep 0.3
screenshot keyboard_only_voice_focus >/dev/null
check "Tab reaches the voice button, which wears the mark" \
  focus_mark "$((148 + 3 + 114))" "$((196 + 13 + 200))" keyboard_only_voice_focus

key Escape; sleep 1
screenshot keyboard_only_close_question >/dev/null
# The question's dark panel of the centred dialog.
check_eq "Escape on step 3 asks the close question" 360F71 \
  "$(pixel $((285 + 2 + 40)) $((305 + 2 + 60)) keyboard_only_close_question)"
key Escape; sleep 0.5
check "Escape in the question is Cancel: the assistant stays" _demo_running
expect_step 3 "still on step 3"

key alt+n; sleep 0.8
expect_step 4 "Alt+N goes to step 4"
# Year and periods are filled on entry; Tab to "Current Year", press it with Space, and
# Shift+Tab back into the year, where Return is Next's again.
key Tab; sleep 0.3
screenshot keyboard_only_step4 >/dev/null
check "Tab from the year reaches \"Current Year\"" \
  focus_mark "$((231 + 3 + 114))" "$((140 + 16 + 200))" keyboard_only_step4
key space; sleep 0.3
key shift+Tab; sleep 0.3
key Return; sleep 0.8
expect_step 5 "Return on step 4 goes to step 5"
screenshot keyboard_only_step5 >/dev/null

key alt+e; sleep 1
key alt+y
wait_exit 30
check_eq "Alt+E and Alt+Y leave with the data saved" 0 "$DEMO_EXIT"
check "the typed name is saved" grep -qF 'Acme Keyboard' "$E2E_DATA/TutorComp.cds"
finish
