#!/usr/bin/env bash
# A broken picture raises the error box; once the box is closed by a click, the next key press
# draws: the key-up that went to the box leaves no key held.
source "$(dirname "$0")/lib.sh"

start_x 1024x768
dist=$(copy_program)
printf 'this is no picture' >"$dist/broken.jpg"
sed -i 's/^PlayMode=.*/PlayMode=3\r/' "$dist/Kedoozle.ini"
awk '/^\[1\]\r?$/ { print; print "PictureFile=broken.jpg\r"; skip = 1; next }
     skip && /^PictureFile=/ { next }
     /^\[/ { skip = 0 } { print }' "$dist/Kedoozle.ini" >"$dist/Kedoozle.new" && mv "$dist/Kedoozle.new" "$dist/Kedoozle.ini"
start_program "$dist"
surface="992x690+16+16"
box_up() { box=$(dialog_window || true); [ -n "$box" ]; }
box_settled() { window_active "$box" && [ -n "$(outer_geometry "$box")" ]; }
for round in 1 2; do
  wait_for_rest "$E2E_TMP/pre.png"
  xdotool key a
  wait_for 5 box_up || fail "round $round: the broken picture raised no error box"
  # The window manager frames it and gives it the focus a moment after it maps; the click
  # goes where it then stands.
  wait_for 5 box_settled || fail "round $round: the error box got no frame or no focus"
  X=$(xwininfo -id "$box" | awk '/Absolute upper-left X/ { print $4 }')
  Y=$(xwininfo -id "$box" | awk '/Absolute upper-left Y/ { print $4 }')
  WIDTH=$(xwininfo -id "$box" | awk '/Width:/ { print $2 }')
  HEIGHT=$(xwininfo -id "$box" | awk '/Height:/ { print $2 }')
  screenshot "$E2E_TMP/box.png"
  # The box's one button sits at the bottom right, as Qt lays it out.
  xdotool mousemove $((X + WIDTH - 50)) $((Y + HEIGHT - 25)) click 1
  wait_for 3 dialog_gone || fail "round $round: a click did not close the error box"
  # The surface is drawn again where the box was: as it was before the broken picture.
  wait_for_match "$E2E_TMP/pre.png" "$E2E_TMP/before.png" "$surface" || fail "round $round: the surface was not drawn again after the box"
  xdotool key b
  wait_for_drawing "$E2E_TMP/before.png" "$E2E_TMP/after.png" || fail "round $round: the press after the error box drew nothing"
  n=$(pixels_changed "$E2E_TMP/before.png" "$E2E_TMP/after.png" "$surface")
  echo "ok: round $round: the press after the error box changed $n pixels"
done
program_alive || fail "the program ended"
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end through Yes"
