#!/usr/bin/env bash
# The host loads the assistant, the window shows its background, Exit ends the run with true.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
start_x
fresh_state
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears"
sleep 1
screenshot skeleton_start
# The header band of the background picture is dark navy, the content panel light.
header=$(pixel $(at 300 40) skeleton_start)
panel=$(pixel $(at 600 500) skeleton_start)
check "the background picture is drawn (dark header, got $header)" test "$(( 16#${header:0:2} ))" -lt 100
check "the content panel is light (got $panel)" test "$(( 16#${panel:0:2} ))" -gt 180
# The navigation glyphs stand at their design places moved by (112, 84): Next's arrow is light
# on the dark bar, and left of the design the window is plain white.
glyph=$(pixel $(at 652 567) skeleton_start)
check "the Next glyph is drawn at its place (got $glyph)" test "$(( 16#${glyph:0:2} ))" -gt 200
check_eq "outside the design the window is white" FFFFFF "$(pixel 60 400 skeleton_start)"
expect_step 1
press $EXIT_XY
wait_exit 30
check_eq "Exit ends the run with exit code 0" 0 "$DEMO_EXIT"
check "DemoHost printed the result" grep -q "LaunchTutorial returned true" "$DEMO_LOG"
check_eq "LastPage written" 1 "$(reg_query 'HKCU\Software\Tavrilenk\Zendri Accounting 2000\Tutorial' LastPage)"
finish
