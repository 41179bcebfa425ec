#!/usr/bin/env bash
# The main window on a real X server with a window manager: it covers the screen, key presses
# draw on the black play surface only, the mode pictures switch, Alt+F4 does not close it,
# and the exit door with No keeps it while Yes ends it and writes the settings next to it.
source "$(dirname "$0")/lib.sh"

start_x 1024x768
dist=$(copy_program)
rm -f "$dist/Kedoozle.ini"
mkdir -p "$E2E_TMP/elsewhere"
start_program "$dist" "$E2E_TMP/elsewhere"

main=$(xdotool search --onlyvisible --name '^Kedoozle$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$X,$Y,$WIDTH,$HEIGHT" = "0,0,1024,768" ] || fail "window at $X,$Y size ${WIDTH}x$HEIGHT, not the whole screen"

cp "$E2E_TMP/started.png" "$E2E_TMP/before.png"
for p in "16 16" "1007 16" "16 705" "1007 705" "512 360"; do
  [ "$(pixel "$E2E_TMP/before.png" $p)" = "0,0,0" ] || fail "play surface not black at $p"
done
[ "$(pixel "$E2E_TMP/before.png" 1 1)" != "0,0,0" ] || fail "no frame around the play surface"

# Presses draw on the surface and nowhere else.
xdotool key --delay 50 a s d f j k l semicolon Return space
wait_for_drawing "$E2E_TMP/before.png" "$E2E_TMP/after.png" 1000 ||
  fail "key presses changed only $(pixels_changed "$E2E_TMP/before.png" "$E2E_TMP/after.png" 992x690+16+16) pixels of the surface"
# Once the screen is still, every key has drawn.
wait_for_rest "$E2E_TMP/after.png"
convert "$E2E_TMP/before.png" -crop 1024x62+0+706 +repage "$E2E_TMP/panel-before.png"
convert "$E2E_TMP/after.png" -crop 1024x62+0+706 +repage "$E2E_TMP/panel-after.png"
outside=$(compare -metric AE "$E2E_TMP/panel-before.png" "$E2E_TMP/panel-after.png" null: 2>&1 || true)
[ "${outside%% *}" = "0" ] || fail "key presses changed $outside pixels of the control panel"

# A click on the ShapeType picture selects it and unselects ClassicType.
classic="32x32+16+722"; shape="32x32+104+722"
xdotool mousemove 120 738 click 1 mousemove 600 300
mode_switched() {
  screenshot "$E2E_TMP/mode.png"
  [ "$(pixels_changed "$E2E_TMP/after.png" "$E2E_TMP/mode.png" "$classic")" -gt 20 ] &&
    [ "$(pixels_changed "$E2E_TMP/after.png" "$E2E_TMP/mode.png" "$shape")" -gt 20 ]
}
wait_for 10 mode_switched || fail "the mode pictures did not change ($(pixels_changed "$E2E_TMP/after.png" "$E2E_TMP/mode.png" "$classic"), $(pixels_changed "$E2E_TMP/after.png" "$E2E_TMP/mode.png" "$shape"))"

# Tab draws like any other key instead of moving the focus.
xdotool key Tab
wait_for_drawing "$E2E_TMP/mode.png" "$E2E_TMP/tab.png" 1000 ||
  fail "Tab did not draw ($(pixels_changed "$E2E_TMP/mode.png" "$E2E_TMP/tab.png" 992x690+16+16) pixels changed)"
wait_for_rest "$E2E_TMP/tab.png"

# Alt+F4 (the window manager's close binding) does not close it: the program takes it as a key
# and draws. A close would have come with that key; a short while more makes sure.
xdotool key alt+F4
wait_for_drawing "$E2E_TMP/tab.png" "$E2E_TMP/altf4.png" || fail "Alt+F4 did not reach the program"
wait_for_rest "$E2E_TMP/altf4.png"
sleep 0.3
program_alive || fail "Alt+F4 closed the program"
[ -n "$(screen_window)" ] || fail "Alt+F4 closed the main window"

click_exit_and_answer no
wait_for 5 dialog_gone || fail "the confirmation stayed up after No"
# Play goes on after No: the surface is drawn again where the confirmation was, and a key draws.
wait_for_match "$E2E_TMP/altf4.png" "$E2E_TMP/no.png" 992x690+16+16 || fail "the surface is not as it was after No"
xdotool key b
wait_for_drawing "$E2E_TMP/no.png" "$E2E_TMP/after-no.png" || fail "no drawing after No"
program_alive || fail "No ended the program"

click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
status=$(cat "$E2E_TMP/status")
[ "$status" = 0 ] || fail "exit through Yes gave status $status"

# Started from another folder, the settings file is written next to the program.
[ -f "$dist/Kedoozle.ini" ] || fail "no Kedoozle.ini next to the program"
[ ! -f "$E2E_TMP/elsewhere/Kedoozle.ini" ] || fail "Kedoozle.ini written into the working directory"
grep -q '^PlayMode=2' "$dist/Kedoozle.ini" || fail "PlayMode not saved as 2"
grep -q '^EraseLimit=25' "$dist/Kedoozle.ini" || fail "EraseLimit not saved"
grep -q '^Sound=1' "$dist/Kedoozle.ini" || fail "Sound not saved"
[ "$(grep -c '^\[[0-9]*\]' "$dist/Kedoozle.ini")" = 88 ] || fail "not 88 key sections"
! grep -q '^\[Modules\]' "$dist/Kedoozle.ini" || fail "a Modules section was written"
