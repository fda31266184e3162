# Places on the 1024 x 768 screen: the 800 x 600 design is centred, so everything moves by
# (112, 84); pages sit in the content area at (114, 200).
OFFSET_X=112
OFFSET_Y=84
at() { echo $(($1 + OFFSET_X)) $(($2 + OFFSET_Y)); }
NEXT_XY=$(at 648 566)
PREVIOUS_XY=$(at 612 566)
EXIT_XY=$(at 30 567)
# Page edits: at (24, 84) and (24, 144) in the page.
FIRST_EDIT_XY="$((114 + 24 + 30)) $((200 + 84 + 11))"
SECOND_EDIT_XY="$((114 + 24 + 30)) $((200 + 144 + 11))"
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
step_title() { xdotool getwindowname "$WINDOW" 2>/dev/null; }
expect_step() { check_eq "${2:-on step $1}" "$TITLE - step $1 of 21" "$(step_title)"; }
press() { click $1 $2; sleep 0.3; }
