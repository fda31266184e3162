#!/usr/bin/env bash
# Step 1 narrates itself: "open.wav", "1.wav" and "2.wav" play one after another and stop
# there; Next during "1.wav" cuts the chain short. What Wine plays is observed through an ALSA
# `file` device in the test HOME, which writes every opened stream to a file of its own.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"

SOUNDS=$E2E_ROOT/build/e2e/sound/$E2E_NAME
NARRATION=$E2E_ROOT/build/e2e/data/$E2E_NAME-narration
mkdir -p "$NARRATION"
sh "$E2E_ROOT/tools/make_narration.sh" "$E2E_BIN/narration" >/dev/null || fail "demo narration made"
# Only the welcome chain, so that a later page's narration cannot be taken for it.
for f in open.wav 1.wav 2.wav; do cp "$E2E_BIN/narration/$f" "$NARRATION/"; done
# The same with a long "1.wav" (silence after the words): the null device behind Wine may
# take samples faster than real time, and Next must come while "1.wav" still plays.
LONG=$NARRATION-long
mkdir -p "$LONG"
cp "$NARRATION/open.wav" "$NARRATION/2.wav" "$LONG/"
sox -q "$NARRATION/1.wav" "$LONG/1.wav" pad 0 40

# Sample bytes of a 16-bit WAV file (sox counts its samples).
data_bytes() { echo $(( $(soxi -s "$1") * $(soxi -c "$1") * 2 )); }
# The streams written so far, oldest first, and their sizes.
streams() { ls -1tr "$SOUNDS"/stream* 2>/dev/null; }
stream_count() { streams | wc -l; }
stream_size() { stat -c %s "$(streams | sed -n "${1}p")" 2>/dev/null || echo 0; }
# close SIZE EXPECTED: within 0.25 s of 22050 Hz mono 16-bit.
close() { [ "$1" -ge $(($2 - 11025)) ] && [ "$1" -le $(($2 + 11025)) ]; }

start_x
sound_to_files "$SOUNDS"

run_step_one() {  # run_step_one NARRATION_FOLDER
  rm -rf "$SOUNDS"; mkdir -p "$SOUNDS"
  fresh_state
  reg_add 'HKCU\Software\Tavrilenk\Zendri Accounting 2000\Tutorial' SoundPath "$(winepath -w "$1")"
  start_demo
  wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
}

# --- the whole chain ---
run_step_one "$NARRATION"
open=$(data_bytes "$NARRATION/open.wav") one=$(data_bytes "$NARRATION/1.wav") two=$(data_bytes "$NARRATION/2.wav")
for _ in $(seq 60); do [ "$(stream_count)" -ge 3 ] && break; sleep 1; done
# Then until the third stream stops growing.
last=-1
for _ in $(seq 30); do
  size=$(stream_size 3); [ "$size" = "$last" ] && break; last=$size; sleep 1
done
sleep 3
check_eq "three narrations played, and nothing after them" 3 "$(stream_count)"
check "open.wav played whole ($(stream_size 1) of $open bytes)" close "$(stream_size 1)" "$open"
check "1.wav played whole ($(stream_size 2) of $one bytes)" close "$(stream_size 2)" "$one"
check "2.wav played whole ($(stream_size 3) of $two bytes)" close "$(stream_size 3)" "$two"
press $EXIT_XY
wait_exit 30
check_eq "Exit ends the run" 0 "$DEMO_EXIT"

# --- Next during "1.wav" ---
run_step_one "$LONG"
long=$(data_bytes "$LONG/1.wav")
for _ in $(seq 150); do [ "$(stream_count)" -ge 2 ] && break; sleep 0.2; done
sleep 0.5
press $NEXT_XY
sleep 5
expect_step 2 "Next went on to step 2"
check_eq "2.wav never started" 2 "$(stream_count)"
cut=$(stream_size 2)
check "1.wav was cut short ($cut of $long bytes)" test "$cut" -lt $((long / 2))
# A close request ends the run with false, read by the host as a 32-bit Boolean.
focus_window
key alt+F4
wait_exit 30
check_eq "a close request ends the run with exit code 1" 1 "$DEMO_EXIT"
check "DemoHost read false" grep -q "LaunchTutorial returned false" "$DEMO_LOG"
finish
