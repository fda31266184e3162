#!/usr/bin/env bash
# The assistant at the screen's scale. With the prefix's LogPixels at 192 on a 2048 x 1536
# screen, steps 1, 2 and 12 are drawn at twice the size: the shot halved matches the 96-DPI
# shot, its edges are sharper than the 96-DPI shot enlarged, and clicks at twice the design
# places work (path, name, year typed on steps 2 to 4). At 144 DPI on 1024 x 768 the design
# is fitted to the screen. The prefix's DPI is put back afterwards: other tests share it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard.sh"
TUTORIAL_KEY='HKCU\Software\Tavrilenk\Zendri Accounting 2000\Tutorial'
DPI_KEY='HKCU\Control Panel\Desktop'

# --- the prefix's DPI, restored whatever happens
saved_dpi=$(reg_query "$DPI_KEY" LogPixels 2>/dev/null || true)
restore_dpi() {
  if [ -n "$saved_dpi" ]; then
    wine reg add "$DPI_KEY" /v LogPixels /t REG_DWORD /d "$((saved_dpi))" /f >/dev/null 2>&1
  else
    wine reg delete "$DPI_KEY" /v LogPixels /f >/dev/null 2>&1
  fi
  "$WINESERVER" -w 2>/dev/null
}
# set_dpi DPI: the value Wine reads when a process starts; the server is let go so that
# the next program starts with it.
set_dpi() {
  wine reg add "$DPI_KEY" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  "$WINESERVER" -w 2>/dev/null
}
# screen WxH: a fresh Xvfb of that size (Wine's desktop process belongs to one X server).
screen() {
  "$WINESERVER" -k 2>/dev/null; "$WINESERVER" -w 2>/dev/null
  xvfb_stop
  XVFB_SCREEN=$1x24 xvfb_start || { fail "Xvfb at $1"; finish; }
}
trap 'restore_dpi; _e2e_cleanup' EXIT

shot() { screenshot "$E2E_NAME-$1" >/dev/null; echo "$E2E_SHOTS/$E2E_NAME-$1.png"; }
# sc X Y: a place on the 1024 x 768 screen at 96 DPI, on the 2048 x 1536 screen at 192.
sc() { echo $(($1 * 2)) $(($2 * 2)); }
# psnr A B: how alike two pictures of one size are, in dB (identical: inf).
psnr() { compare -metric PSNR "$1" "$2" null: 2>&1 | cut -d' ' -f1; }
# blur_loss CROP FILE: how much a crop keeps under a slight blur, in dB; a sharp picture loses
# more (lower), one that was blurred already hardly changes.
blur_loss() {
  convert "$2" -crop "$1" +repage "$E2E_SHOTS/$E2E_NAME-crop.png"
  convert "$E2E_SHOTS/$E2E_NAME-crop.png" -blur 0x1 "$E2E_SHOTS/$E2E_NAME-crop-blurred.png"
  psnr "$E2E_SHOTS/$E2E_NAME-crop.png" "$E2E_SHOTS/$E2E_NAME-crop-blurred.png"
}
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

company=$E2E_DATA/Scaled.gdb

# --- 96 DPI: the reference shots of steps 1 and 2
start_x
set_dpi 96
fresh_state
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears at 96 DPI"
sleep 2
ref1=$(shot step01_96)
press $NEXT_XY
sleep 1
ref2=$(shot step02_96)
press $EXIT_XY
wait_exit 30

# --- 192 DPI on 2048 x 1536
screen 2048x1536
set_dpi 192
fresh_state
"$E2E_ROOT/tools/make_sample_company.sh" "$company"
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears at 192 DPI"
sleep 2
big1=$(shot step01_192)
check_eq "the window covers the 2048 x 1536 screen" "2048x1536" \
  "$(xdotool getwindowgeometry "$WINDOW" | sed -n 's/.*Geometry: //p')"
press $(sc $NEXT_XY)
sleep 1
expect_step 2 "Next at twice its place goes on to step 2"
big2=$(shot step02_192)
press $(sc $PATH_EDIT_XY); type_text "$(winepath -w "$company")"
press $(sc $NEXT_XY)
expect_step 3 "the path typed at twice its place is taken"
press $(sc $NAME1_XY); type_text "Scaled Trading"
press $(sc $NEXT_XY)
expect_step 4 "the name typed at twice its place is taken"
press $(sc $YEAR_EDIT_XY); key End shift+Home; type_text "2026"
shot step04_192 >/dev/null
press $(sc $EXIT_XY)
sleep 1
shot close_question_192 >/dev/null
press $(sc $DIALOG_YES_XY)
wait_exit 30
check_eq "the dialog's Yes at twice its place ends the run" 0 "$DEMO_EXIT"

for n in 1 2; do
  ref=$(eval echo "\$ref$n") big=$(eval echo "\$big$n")
  half=$E2E_SHOTS/$E2E_NAME-step0${n}_192_halved.png
  convert "$big" -filter Box -resize 1024x768 "$half"
  value=$(psnr "$ref" "$half")
  check "step $n at 192 DPI halved is the 96-DPI step $n ($value dB)" above "$value" 22
  # Moved by one design pixel, the same comparison must be worse: the places are checked.
  convert "$half" -roll +2+0 "$half.rolled.png"
  rolled=$(psnr "$ref" "$half.rolled.png")
  check "... and two pixels off it is worse ($rolled dB)" above "$value" "$rolled"
done
# Header text and emblem (picture), and the option buttons' text (font) of step 1.
for crop in "500x90+224+168" "700x200+450+560"; do
  ten=${crop#*+}; x=${ten%+*}; y=${ten#*+}; size=${crop%%+*}
  small="$((${size%x*} / 2))x$((${size#*x} / 2))+$((x / 2))+$((y / 2))"
  enlarged=$E2E_SHOTS/$E2E_NAME-enlarged.png
  convert "$ref1" -crop "$small" +repage -filter Triangle -resize 200% "$enlarged"
  sharp=$(blur_loss "$crop" "$big1") soft=$(blur_loss "${size}+0+0" "$enlarged")
  check "edges at $crop are sharper than the 96-DPI shot enlarged (blur keeps $sharp < $soft dB)" \
    above "$soft" "$(awk -v b="$sharp" 'BEGIN { print b + 3 }')"
done

# Step 12 on the company: resume there.
reg_add "$TUTORIAL_KEY" LastPage 12
start_demo --company "$(winepath -w "$company")"
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears on the company"
sleep 2
press $(sc $CONTINUE_XY)
sleep 1
expect_step 12 "Continue on step 1 resumes at step 12"
big12=$(shot step12_192)
# Against the stored 96-DPI design shot of step 12 (the picture's 800 x 600 from x = -2):
# halved, the page lines up with it better than two pixels to either side.
convert "$big12" -filter Box -resize 1024x768 "$E2E_SHOTS/$E2E_NAME-step12_halved.png"
design() { convert "$E2E_SHOTS/$E2E_NAME-step12_halved.png" -crop "800x600+$1+84" +repage "$E2E_SHOTS/$E2E_NAME-step12_at$1.png"; psnr "$E2E_ROOT/tests/e2e/screenshots/step12.png" "$E2E_SHOTS/$E2E_NAME-step12_at$1.png"; }
at=$(design 110) left=$(design 108) right=$(design 112)
check "step 12 halved lines up with its design shot ($at dB; 2 px off: $left, $right)" \
  sh -c "awk -v a=$at -v l=$left -v r=$right 'BEGIN { exit !(a > l && a > r) }'"
press $(sc $EXIT_XY)
sleep 1
press $(sc $DIALOG_YES_XY) 2>/dev/null
wait_exit 30

# --- 144 DPI on 1024 x 768: 1200 x 900 would not fit, so the design fills the screen
screen 1024x768
set_dpi 144
fresh_state
start_demo
wait_window "$TITLE" 40 >/dev/null || fail "the assistant's window appears at 144 DPI"
sleep 2
fit=$(shot step01_144)
# At 96 DPI the corner is the window's white margin; fitted, the design's dark header.
check_eq "96 DPI: the corner is the margin" FFFFFF "$(pixel 20 20 "$E2E_NAME-step01_96" | tr a-f A-F)"
corner=$(pixel 20 20 "$E2E_NAME-step01_144" | tr a-f A-F)
check "144 DPI: the design reaches the corner (colour $corner)" test "$corner" != FFFFFF
# The design's Next (648, 566) at 1024 / 800 = 1.28.
press $((648 * 128 / 100)) $((566 * 128 / 100))
sleep 1
expect_step 2 "Next at its fitted place goes on to step 2"
shot step02_144 >/dev/null
press $((30 * 128 / 100)) $((567 * 128 / 100))
wait_exit 30
check_eq "Exit at its fitted place ends the run" 0 "$DEMO_EXIT"

restore_dpi
check_eq "the prefix's DPI is put back" "${saved_dpi:-<absent>}" \
  "$(reg_query "$DPI_KEY" LogPixels 2>/dev/null || echo '<absent>')"
finish
