#!/usr/bin/env bash
# The exit confirmation on a real X server with a window manager, on a 640x480 screen: it
# stands with its lower right corner at (surface width, surface height); no key answers it
# and no key pressed while it is up draws; Yes lights its 3-D edge under the pointer; No and
# the close box keep play going in the same mode; Yes ends the program and saves the settings.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_keys.sh"

start_x 640x480
dist=$(copy_program)
rm -f "$dist/Kedoozle.ini"
start_program "$dist"

# ShapeType, so that "the same mode" can be told from the default.
xdotool mousemove $((4 + 100 + 16)) $((480 - 50 + 4 + 16)) click 1
wait_for_change "$E2E_TMP/started.png" "$E2E_TMP/shape.png" 32x32+104+434 20 || fail "ShapeType was not selected"

# The confirmation stands with its lower right corner at the surface's: open_exit_confirmation
# waits until it stands at 352,274 with its frame, 256x128, and fails if it never does.
dialog=$(open_exit_confirmation)
read -r ol ot ow oh < <(outer_geometry "$dialog")
[ "$ol $ot $ow $oh" = "352 274 256 128" ] || fail "confirmation at $ol,$ot size ${ow}x$oh, not 352,274 256x128"

# No key answers it, and none draws on the surface behind it. The keys show nothing, but the
# pointer moved onto Yes and away again after them does (Yes is flat until the pointer is over
# it: its lower right corner turns from grey to black), and the window takes both moves only
# after the keys.
wait_for_rest "$E2E_TMP/up.png"
read -r yx yy < <(exit_button_point "$dialog" yes)
corner_x=$((yx - 37 + 74)); corner_y=$((yy - 12 + 24))
[ "$(pixel "$E2E_TMP/up.png" $corner_x $corner_y)" = "128,128,128" ] || fail "Yes is not flat at rest"
read -r rest_x rest_y < <(xdotool getmouselocation --shell | awk -F= '/^X=/ { x = $2 } /^Y=/ { y = $2 } END { print x, y }')
xdotool key Return space y n Escape alt+F4 Tab KP_Enter alt+y alt+n ctrl+w
xdotool mousemove "$yx" "$yy"
wait_for_pixel "$E2E_TMP/hover.png" $corner_x $corner_y "0,0,0" || {
  program_alive || fail "a key ended the program"
  [ -n "$(dialog_window)" ] || fail "a key answered the confirmation"
  fail "Yes shows no 3-D edge under the pointer"; }
[ "$(pixel "$E2E_TMP/hover.png" $((corner_x - 1)) $((corner_y - 1)))" = "128,128,128" ] || fail "Yes lacks its inner ring"
xdotool mousemove "$rest_x" "$rest_y"
wait_for_pixel "$E2E_TMP/keys.png" $corner_x $corner_y "128,128,128" || fail "Yes stays lit after the pointer left"
program_alive || fail "a key ended the program"
[ -n "$(dialog_window)" ] || fail "a key answered the confirmation"
changed=$(pixels_changed "$E2E_TMP/up.png" "$E2E_TMP/keys.png" 608x402+16+16)
[ "$changed" = 0 ] || fail "keys pressed while the confirmation was up changed $changed pixels"

# Pressing Yes and letting go away from it answers nothing. The pointer then goes on to No,
# which lights up: the window has taken the release before that move.
read -r nx ny < <(exit_button_point "$dialog" no)
xdotool mousemove "$yx" "$yy"
wait_for_pixel "$E2E_TMP/hover.png" $corner_x $corner_y "0,0,0" || fail "Yes shows no 3-D edge under the pointer"
xdotool mousedown 1 mousemove $((yx + 150)) $((yy - 60)) mouseup 1 mousemove "$nx" "$ny"
wait_for_pixel "$E2E_TMP/no.png" $((nx - 37 + 74)) $((ny - 12 + 24)) "0,0,0" || {
  program_alive || fail "a press on Yes released elsewhere ended the program"
  [ -n "$(dialog_window)" ] || fail "a press on Yes released elsewhere closed the confirmation"
  fail "No shows no 3-D edge under the pointer"; }
program_alive || fail "a press on Yes released elsewhere ended the program"
[ -n "$(dialog_window)" ] || fail "a press on Yes released elsewhere closed the confirmation"

# No keeps play going.
xdotool mousemove "$nx" "$ny" click 1
wait_for 5 dialog_gone || fail "the confirmation stayed up after No"
program_alive || fail "No ended the program"

# The close box (at the right end of openbox's title bar) keeps it going too. The pointer
# rests there a moment before the click, as a hand's would: the program lets the pointer go
# only once it is on the window manager's frame.
dialog=$(open_exit_confirmation)
read -r ol ot ow oh < <(outer_geometry "$dialog")
xdotool mousemove $((ol + ow - 12)) $((ot + 9)) sleep 0.05 click 1
wait_for 5 dialog_gone || fail "the confirmation stayed up after its close box"
program_alive || fail "the close box ended the program"

# Play goes on: a key draws. The surface is first drawn again where the confirmation was.
wait_for_match "$E2E_TMP/shape.png" "$E2E_TMP/before-key.png" 608x402+16+16 || fail "the surface was not drawn again after the confirmation"
xdotool key a
wait_for_drawing "$E2E_TMP/before-key.png" "$E2E_TMP/after-key.png" 100 ||
  fail "no drawing after the confirmation closed ($(pixels_changed "$E2E_TMP/before-key.png" "$E2E_TMP/after-key.png" 608x402+16+16))"

# Yes ends the program with status 0 and the settings saved, in the same mode.
dialog=$(open_exit_confirmation)
read -r yx yy < <(exit_button_point "$dialog" yes)
xdotool mousemove "$yx" "$yy" click 1
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
status=$(cat "$E2E_TMP/status")
[ "$status" = 0 ] || fail "Yes gave status $status"
grep -q '^PlayMode=2' "$dist/Kedoozle.ini" || fail "the play mode was not kept as 2"
echo "PASS"
