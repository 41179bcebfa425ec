#!/usr/bin/env bash
# A parent's limits on a real X server. With ChildMayChangeSound=0 and ChildMayChangeMode=0 the
# speaker and the play-mode pictures take no click and the settings file keeps the parent's
# lines; with a play-time limit of a few seconds every surface rests, keys and clicks draw
# nothing, the keyboard stays locked and the exit door still ends play.
source "$(dirname "$0")/lib.sh"

start_x 1024x768
dist=$(copy_program)
ini="$dist/Kedoozle.ini"
cp "$ini" "$E2E_TMP/shipped.ini"

# set_setting KEY VALUE: the line KEY=VALUE in [Settings], replacing one that is there; the
# file keeps its own line breaks.
set_setting() {
  local eol=""
  grep -q $'\r$' "$ini" && eol=$'\r'
  if grep -qi "^$1 *=" "$ini"; then sed -i "s/^$1 *=.*/$1=$2$eol/I" "$ini"
  else sed -i "s/^\[Settings\]\r\?$/&\n$1=$2$eol/" "$ini"; fi
}

# At 1024 x 768 the control panel runs from y 718; the speaker stands at (932, 722), the five
# mode pictures from (16, 722) every 44 pixels, all 32 x 32.
speaker_area="32x32+932+722"
modes_area="208x32+16+722"

set_setting Sound 0
set_setting PlayMode 2
set_setting ChildMayChangeSound 0
set_setting ChildMayChangeMode 0
grep -i '^\(Sound\|PlayMode\) *=' "$ini" >"$E2E_TMP/parent.lines"
start_program "$dist"
cp "$E2E_TMP/started.png" "$E2E_TMP/fixed-before.png"
xdotool mousemove 948 738 click 1 mousemove 32 738 click 1 mousemove 212 738 click 1 mousemove 500 300
# The key comes after the clicks: once it has drawn, the clicks have been handled.
xdotool key a
wait_for_drawing "$E2E_TMP/fixed-before.png" "$E2E_TMP/fixed-after.png" || fail "a key did not draw"
wait_for_rest "$E2E_TMP/fixed-after.png"
[ "$(pixels_changed "$E2E_TMP/fixed-before.png" "$E2E_TMP/fixed-after.png" "$speaker_area")" = 0 ] ||
  fail "a click changed the speaker the parent fixed"
[ "$(pixels_changed "$E2E_TMP/fixed-before.png" "$E2E_TMP/fixed-after.png" "$modes_area")" = 0 ] ||
  fail "a click changed the play mode the parent fixed"
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end through Yes (status $(cat "$E2E_TMP/status"))"
grep -i '^\(Sound\|PlayMode\) *=' "$ini" | cmp -s - "$E2E_TMP/parent.lines" ||
  fail "the settings file lost the parent's sound or mode: $(grep -i '^\(Sound\|PlayMode\) *=' "$ini" | tr -d '\r' | tr '\n' ' ')"

# A limit of a few seconds: the surface rests, a night sky with the moon high on the right.
cp "$E2E_TMP/shipped.ini" "$ini"
set_setting PlayTimeLimitSeconds 3
start_program "$dist"
wait_for_pixel "$E2E_TMP/rest.png" 30 30 "0,0,51" 30 || fail "the surface did not rest at the limit"
wait_for_rest "$E2E_TMP/rest.png"
# The surface (992 x 690 at 16,16) has its moon of radius 82 around (750, 209).
[ "$(pixel "$E2E_TMP/rest.png" 780 239)" = "255,255,204" ] || fail "no moon in the resting picture"
[ "$(other_client_grab keyboard)" = 1 ] || fail "the keyboard is not locked while resting"

# Keys, clicks and a drag; then the door. Once its question is up, all that came before has
# been handled; the surface above the question is as it was.
xdotool key a b c Return space
xdotool mousemove 300 300 click 1 click 3 mousedown 1 mousemove 400 350 mousemove 500 400 mouseup 1
xdotool mousemove 948 738 click 1 mousemove 32 738 click 1
open_exit_dialog
screenshot "$E2E_TMP/rest-after.png"
[ "$(pixels_changed "$E2E_TMP/rest.png" "$E2E_TMP/rest-after.png" 992x540+16+16)" = 0 ] ||
  fail "keys or clicks drew on the resting surface"
answer_confirmation "$EXIT_DIALOG" yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the exit door did not end play at rest (status $(cat "$E2E_TMP/status"))"
echo "parent limits: ok"
