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
for round in 1 2; do
  xdotool key a
  box=""
  for _ in $(seq 50); do box=$(dialog_window || true); [ -n "$box" ] && break; sleep 0.1; done
  [ -n "$box" ] || fail "round $round: the broken picture raised no error box"
  sleep 0.4
  X=$(xwininfo -id "$box" | awk '/Absolute upper-left X/ { print $4 }')
  Y=$(xwininfo -id "$box" | awk '/Absolute upper-left Y/ { print $4 }')
  WIDTH=$(xwininfo -id "$box" | awk '/Width:/ { print $2 }')
  HEIGHT=$(xwininfo -id "$box" | awk '/Height:/ { print $2 }')
  screenshot "$E2E_TMP/box.png"
  # The box's one button sits at the bottom right, as Qt lays it out.
  xdotool mousemove $((X + WIDTH - 50)) $((Y + HEIGHT - 25)) click 1
  for _ in $(seq 30); do [ -z "$(dialog_window || true)" ] && break; sleep 0.1; done
  [ -z "$(dialog_window || true)" ] || fail "round $round: a click did not close the error box"
  sleep 0.3
  screenshot "$E2E_TMP/before.png"
  xdotool key b
  sleep 0.5
  screenshot "$E2E_TMP/after.png"
  n=$({ compare -metric AE -extract "$surface" "$E2E_TMP/before.png" "$E2E_TMP/after.png" null: 2>&1 || true; } | awk '{ print $1 }')
  [ "$n" -gt 0 ] 2>/dev/null || fail "round $round: the press after the error box drew nothing"
  echo "ok: round $round: the press after the error box changed $n pixels"
done
program_alive || fail "the program ended"
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end through Yes"
