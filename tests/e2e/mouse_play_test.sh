#!/usr/bin/env bash
# Mouse play on a real X server: clicks at the four corners of the play surface draw there, a
# drag leaves a trail, and with MousePlay=0 the mouse draws nothing.
source "$(dirname "$0")/lib.sh"

start_x 1024x768
dist=$(copy_program)
# PictureType: the picture's middle goes under the pointer, kept inside the surface.
sed -i 's/^PlayMode=.*/PlayMode=3/' "$dist/Kedoozle.ini"

# lit FILE X Y: whether anything is drawn within 110 pixels of (X, Y) inside the surface: the
# picture's box is centred on the pointer and kept inside the surface, and a picture's own
# transparent margins may leave the pixels right around the pointer black.
lit() {
  local x0=$(( $2 - 110 < 16 ? 16 : $2 - 110 )) y0=$(( $3 - 110 < 16 ? 16 : $3 - 110 ))
  local x1=$(( $2 + 110 > 1008 ? 1008 : $2 + 110 )) y1=$(( $3 + 110 > 706 ? 706 : $3 + 110 ))
  [ "$(convert "$1" -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" -format '%[fx:maxima]' info:)" != "0" ]
}

start_program "$dist"

# lit_now X Y: a screenshot into clicked.png shows a drawing near (X, Y).
lit_now() { screenshot "$E2E_TMP/clicked.png"; lit "$E2E_TMP/clicked.png" "$1" "$2"; }

# The surface spans (16,16)-(1007,705) at 1024 x 768.
cp "$E2E_TMP/started.png" "$E2E_TMP/before.png"
for at in "20 20" "1003 20" "20 700" "1003 700"; do
  set -- $at
  lit "$E2E_TMP/before.png" "$1" "$2" && fail "the surface is not black near $1,$2 before the click"
  xdotool mousemove "$1" "$2" click 1
  wait_for 10 lit_now "$1" "$2" || fail "a click at $1,$2 drew nothing there"
done
for at in "20 20" "1003 20" "20 700" "1003 700"; do
  set -- $at
  lit "$E2E_TMP/clicked.png" "$1" "$2" || fail "a click at $1,$2 drew nothing there"
done

# A drag along a row the clicks did not reach leaves an unbroken trail of one colour.
xdotool mousemove 300 380 mousedown 1
for x in $(seq 310 20 700); do xdotool mousemove "$x" 380; done
xdotool mouseup 1
# The trail is drawn frame by frame: wait until it is whole.
trail_whole() {
  local x
  screenshot "$E2E_TMP/dragged.png"
  colour=$(pixel "$E2E_TMP/dragged.png" 500 380)
  [ "$colour" != "0,0,0" ] || return 1
  for x in 340 420 580 660; do [ "$(pixel "$E2E_TMP/dragged.png" "$x" 380)" = "$colour" ] || return 1; done
}
if ! wait_for 10 trail_whole; then
  [ "$colour" != "0,0,0" ] || fail "the drag left no trail"
  for x in 340 420 580 660; do
    [ "$(pixel "$E2E_TMP/dragged.png" "$x" 380)" = "$colour" ] || fail "the trail is broken at $x"
  done
fi
wait_for_rest "$E2E_TMP/dragged.png"
program_alive || fail "the program ended"
xdotool search --onlyvisible --name '^Kedoozle$' >/dev/null || fail "the window went away"

# The wheel draws nothing (a held Alt would draw as a key).
before=$(md5sum <"$E2E_TMP/dragged.png")
xdotool mousemove 500 200 click 4 click 5 click 4 click 6 click 7
# The wheel has nothing to show for it, so only time tells that it draws nothing.
sleep 0.3
screenshot "$E2E_TMP/wheel.png"
convert "$E2E_TMP/dragged.png" "$E2E_TMP/wheel.png" -compose difference -composite -crop 992x690+16+16 \
  -format '%[fx:maxima]' info: >"$E2E_TMP/wheel.diff"
[ "$(cat "$E2E_TMP/wheel.diff")" = "0" ] || fail "the wheel changed the surface"

click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end through Yes"

# MousePlay=0: clicks draw nothing.
sed -i 's/^\[Settings\]/[Settings]\r\nMousePlay=0/' "$dist/Kedoozle.ini"
start_program "$dist"
cp "$E2E_TMP/started.png" "$E2E_TMP/off-before.png"
xdotool mousemove 400 300 click 1 click 3
# Clicks that draw nothing show nothing: only time tells.
sleep 0.3
screenshot "$E2E_TMP/off-after.png"
[ "$(pixel "$E2E_TMP/off-after.png" 400 300)" = "$(pixel "$E2E_TMP/off-before.png" 400 300)" ] \
  || fail "with MousePlay=0 a click drew"
grep -q '^MousePlay=0' "$dist/Kedoozle.ini" || fail "the MousePlay line was lost"
echo "mouse play: ok"
