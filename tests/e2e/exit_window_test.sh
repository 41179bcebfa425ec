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
sleep 0.4

# outer_geometry WINDOW: "left top width height" of the window with the window manager's frame.
outer_geometry() {
  local id=$1 X Y W H l r t b
  X=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ { print $4 }')
  Y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ { print $4 }')
  W=$(xwininfo -id "$id" | awk '/Width:/ { print $2 }')
  H=$(xwininfo -id "$id" | awk '/Height:/ { print $2 }')
  read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed -E 's/.*= //; s/,//g')
  echo "$((X - l)) $((Y - t)) $((W + l + r)) $((H + t + b))"
}

# button_point DIALOG yes|no: the screen point in the middle of the button. The question panel
# (101 high) sits at the bottom of the client area; Yes at (80, 68), No at (164, 68), 75x25.
button_point() {
  local id=$1 which=$2 X Y H left
  X=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ { print $4 }')
  Y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ { print $4 }')
  H=$(xwininfo -id "$id" | awk '/Height:/ { print $2 }')
  left=80; [ "$which" = no ] && left=164
  echo "$((X + left + 37)) $((Y + H - 101 + 68 + 12))"
}

# dialog_gone: waits up to 5 seconds for the confirmation to close.
dialog_gone() {
  for _ in $(seq 50); do
    [ -z "$(dialog_window)" ] && return 0; sleep 0.1
  done
  return 1
}

dialog=$(open_exit_confirmation)
sleep 0.4
read -r ol ot ow oh < <(outer_geometry "$dialog")
[ "$ol $ot $ow $oh" = "352 274 256 128" ] || fail "confirmation at $ol,$ot size ${ow}x$oh, not 352,274 256x128"

# No key answers it, and none draws on the surface behind it.
screenshot "$E2E_TMP/up.png"
xdotool key Return space y n Escape alt+F4 Tab KP_Enter alt+y alt+n ctrl+w
sleep 0.8
program_alive || fail "a key ended the program"
[ -n "$(dialog_window)" ] || fail "a key answered the confirmation"
screenshot "$E2E_TMP/keys.png"
changed=$(compare -metric AE -extract 608x402+16+16 "$E2E_TMP/up.png" "$E2E_TMP/keys.png" null: 2>&1 || true)
[ "${changed%% *}" = 0 ] || fail "keys pressed while the confirmation was up changed $changed pixels"

# Yes is flat until the pointer is over it: its lower right corner turns from grey to black.
read -r yx yy < <(button_point "$dialog" yes)
corner_x=$((yx - 37 + 74)); corner_y=$((yy - 12 + 24))
[ "$(pixel "$E2E_TMP/keys.png" $corner_x $corner_y)" = "128,128,128" ] || fail "Yes is not flat at rest"
xdotool mousemove "$yx" "$yy"
sleep 0.4
screenshot "$E2E_TMP/hover.png"
[ "$(pixel "$E2E_TMP/hover.png" $corner_x $corner_y)" = "0,0,0" ] || fail "Yes shows no 3-D edge under the pointer"
[ "$(pixel "$E2E_TMP/hover.png" $((corner_x - 1)) $((corner_y - 1)))" = "128,128,128" ] || fail "Yes lacks its inner ring"

# Pressing Yes and letting go away from it answers nothing.
xdotool mousedown 1
sleep 0.2
xdotool mousemove $((yx + 150)) $((yy - 60))
sleep 0.2
xdotool mouseup 1
sleep 0.6
program_alive || fail "a press on Yes released elsewhere ended the program"
[ -n "$(dialog_window)" ] || fail "a press on Yes released elsewhere closed the confirmation"

# No keeps play going.
read -r nx ny < <(button_point "$dialog" no)
xdotool mousemove "$nx" "$ny" click 1
dialog_gone || fail "the confirmation stayed up after No"
program_alive || fail "No ended the program"

# The close box (at the right end of openbox's title bar) keeps it going too. The pointer
# rests there a moment before the click, as a hand's would: the program lets the pointer go
# only once it is on the window manager's frame.
dialog=$(open_exit_confirmation)
sleep 0.4
read -r ol ot ow oh < <(outer_geometry "$dialog")
xdotool mousemove $((ol + ow - 12)) $((ot + 9)) sleep 0.05 click 1
dialog_gone || fail "the confirmation stayed up after its close box"
program_alive || fail "the close box ended the program"

# Play goes on: a key draws.
screenshot "$E2E_TMP/before-key.png"
xdotool key a
sleep 0.4
screenshot "$E2E_TMP/after-key.png"
drawn=$(compare -metric AE -extract 608x402+16+16 "$E2E_TMP/before-key.png" "$E2E_TMP/after-key.png" null: 2>&1 || true)
[ "${drawn%% *}" -gt 100 ] 2>/dev/null || fail "no drawing after the confirmation closed ($drawn)"

# Yes ends the program with status 0 and the settings saved, in the same mode.
dialog=$(open_exit_confirmation)
sleep 0.4
read -r yx yy < <(button_point "$dialog" yes)
xdotool mousemove "$yx" "$yy" click 1
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
status=$(cat "$E2E_TMP/status")
[ "$status" = 0 ] || fail "Yes gave status $status"
grep -q '^PlayMode=2' "$dist/Kedoozle.ini" || fail "the play mode was not kept as 2"
echo "PASS"
