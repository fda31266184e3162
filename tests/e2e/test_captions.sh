#!/usr/bin/env bash
# Narration captions on step 1: off by default; Alt+T shows the strip with the words of
# "open.wav" (one line) while it plays, then those of "1.wav" (two lines) when the chain moves
# on; Alt+T hides it again and the choice is stored, so a second run starts with what the
# first one left. Sound goes to an ALSA file device, as in test_narration.sh.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
TUTORIAL_KEY='HKCU\Software\Tavrilenk\Zendri Accounting 2000\Tutorial'

SOUNDS=$E2E_ROOT/build/e2e/sound/$E2E_NAME
NARRATION=$E2E_ROOT/build/e2e/data/$E2E_NAME-narration
rm -rf "$NARRATION"; mkdir -p "$NARRATION" "$SOUNDS"
sh "$E2E_ROOT/tools/make_narration.sh" "$E2E_BIN/narration" >/dev/null || fail "demo narration made"
# Silence after the words keeps each file on screen long enough to be seen.
for f in open.wav 1.wav 2.wav; do sox -q "$E2E_BIN/narration/$f" "$NARRATION/$f" pad 0 4; done

start_x
sound_to_files "$SOUNDS"

# The strip: design (100, 543) 410 x 54, on this screen moved by the centring; its inside
# without the rounded border.
STRIP_INSIDE="398x42+$((100 + OFFSET_X + 6))+$((543 + OFFSET_Y + 6))"
BAND=121638
# lines SHOT: text lines in the strip (0 when it shows no text or is hidden).
lines() {
  local box
  box=$(convert "$E2E_SHOTS/$1.png" -crop "$STRIP_INSIDE" +repage -fuzz 12% -fill black \
    -opaque "#$BAND" -fill white +opaque black -trim -format '%h %w' info: 2>/dev/null)
  local h=${box% *} w=${box#* }
  if [ "$(pixel $((100 + OFFSET_X + 10)) $((543 + OFFSET_Y + 4)) "$1")" != "$BAND" ] || [ "${w:-1}" -le 1 ]; then
    echo 0
  elif [ "$h" -le 18 ]; then echo 1; else echo 2; fi
}
# wait_lines N SHOT [TRIES]: screenshots until the strip shows N lines; the last one is kept.
wait_lines() {
  local i
  for ((i = 0; i < ${3:-60}; i++)); do
    screenshot "$2" >/dev/null
    [ "$(lines "$2")" = "$1" ] && return 0
    sleep 0.25
  done
  return 1
}

run() {
  fresh_state_keep=${1:-}
  [ -z "$fresh_state_keep" ] && fresh_state
  reg_add "$TUTORIAL_KEY" SoundPath "$(winepath -w "$NARRATION")"
  start_demo
  wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
  focus_window
}

# --- run 1
run
screenshot captions_off_start >/dev/null
check_eq "no strip before captions are turned on" 0 "$(lines captions_off_start)"
key alt+t
check "Alt+T: the strip shows open.wav's words, one line" wait_lines 1 captions_open 80
check "then 1.wav's words, two lines, when the chain moves on" wait_lines 2 captions_next 120
check_eq "the choice is stored" 1 "$(reg_query "$TUTORIAL_KEY" NarrationCaptions)"
key alt+t
check "Alt+T again hides the strip" wait_lines 0 captions_hidden 40
check_eq "and stores that" 0 "$(reg_query "$TUTORIAL_KEY" NarrationCaptions)"
key alt+t
for ((i = 0; i < 50; i++)); do [ "$(reg_query "$TUTORIAL_KEY" NarrationCaptions)" = 1 ] && break; sleep 0.2; done
check_eq "a third Alt+T turns them on again, stored" 1 "$(reg_query "$TUTORIAL_KEY" NarrationCaptions)"
# Exit once the chain has ended (the strip empties).
check "when the chain ends, the strip empties" wait_lines 0 captions_chain_ended 160
press $EXIT_XY
sleep 1
screenshot captions_after_exit >/dev/null
wait_exit 30
check_eq "Exit ends the first run" 0 "$DEMO_EXIT"

# --- run 2: the stored choice (on) is used without a key
run keep
check "a second run shows the captions by itself" wait_lines 1 captions_second_run 80
key alt+t
wait_lines 0 captions_second_hidden 10
press $EXIT_XY
wait_exit 30
check_eq "the second run hid them again" 0 "$(reg_query "$TUTORIAL_KEY" NarrationCaptions)"
finish
