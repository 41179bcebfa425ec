#!/usr/bin/env bash
# The ready program folder plays out of the box: in each of the five modes, A, 7, Enter and F5
# draw on the play surface and nowhere else, with no trace in the control panel. Then, with
# the Pictures module gone and traces on, PictureType shows the trace in the control panel
# and the next drawing takes it away.
source "$(dirname "$0")/lib.sh"

start_x 1024x768
dist=$(copy_program)
for f in Kedoozle.ini Sounds.dll Keys.dll Patterns.dll Pictures.dll; do
  [ -f "$dist/$f" ] || fail "the program folder has no $f"
done
sed -i 's/^ShowMessages=.*/ShowMessages=1/' "$dist/Kedoozle.ini"
grep -q '^ShowMessages=1' "$dist/Kedoozle.ini" || sed -i 's/^\[Settings\]/[Settings]\nShowMessages=1/' "$dist/Kedoozle.ini"
# Started from another folder: the modules named by bare file names are still found.
mkdir -p "$E2E_TMP/elsewhere"
start_program "$dist" "$E2E_TMP/elsewhere"

surface="992x690+16+16"
panel="1016x46+4+718"
cp "$E2E_TMP/started.png" "$E2E_TMP/after-start.png"
previous="$E2E_TMP/after-start.png"
for mode in 0 1 2 3 4; do
  # The pointer leaves the control panel after the click, where it would bring up a hint.
  xdotool mousemove $((16 + 44 * mode + 16)) 738 click 1 mousemove 600 300
  # ClassicType is selected from the start; every other mode's picture changes.
  if [ "$mode" != 0 ]; then
    wait_for_change "$previous" "$E2E_TMP/before-$mode.png" "32x32+$((16 + 44 * mode))+722" 20 || fail "mode $mode was not selected"
  fi
  wait_for_rest "$E2E_TMP/before-$mode.png"
  xdotool key --delay 100 a 7 Return F5
  wait_for_drawing "$E2E_TMP/before-$mode.png" "$E2E_TMP/after-$mode.png" 500 ||
    fail "mode $mode: the keys changed only $(pixels_changed "$E2E_TMP/before-$mode.png" "$E2E_TMP/after-$mode.png" "$surface") surface pixels"
  # Once the screen is still, every key has drawn.
  wait_for_rest "$E2E_TMP/after-$mode.png"
  previous="$E2E_TMP/after-$mode.png"
  # No trace replaced the mode pictures and the logo, and nothing was drawn over the panel.
  same=$(pixels_changed "$E2E_TMP/before-$mode.png" "$E2E_TMP/after-$mode.png" "$panel")
  [ "$same" = 0 ] || fail "mode $mode: the control panel changed ($same pixels)"
  cp "$E2E_TMP/after-$mode.png" "/tmp/kedoozle-mode-$mode.png" 2>/dev/null || true
done

click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end through Yes"

# Without the Pictures module every picture of the module is missing: PictureType reports
# it in the control panel. Key B has a picture file of its own, so its drawing succeeds and
# takes the trace away.
mv "$dist/Pictures.dll" "$dist/Pictures.off"
sed -i 's/^PlayMode=.*/PlayMode=3/' "$dist/Kedoozle.ini"
convert -size 64x48 xc:orange "BMP3:$dist/orange.bmp"
awk '/^\[2\]\r?$/ { print; print "PictureFile=orange.bmp"; skip = 1; next }
     skip && /^PictureFile=/ { next }
     /^\[/ { skip = 0 } { print }' "$dist/Kedoozle.ini" > "$dist/Kedoozle.new" && mv "$dist/Kedoozle.new" "$dist/Kedoozle.ini"
start_program "$dist"
cp "$E2E_TMP/started.png" "$E2E_TMP/plain.png"
xdotool key a
wait_for_change "$E2E_TMP/plain.png" "$E2E_TMP/trace.png" 600x46+4+718 200 ||
  fail "no trace in the control panel ($(pixels_changed "$E2E_TMP/plain.png" "$E2E_TMP/trace.png" 600x46+4+718) pixels changed)"
wait_for_rest "$E2E_TMP/trace.png"
cp "$E2E_TMP/trace.png" /tmp/kedoozle-trace.png 2>/dev/null || true
xdotool key b
wait_for_match "$E2E_TMP/plain.png" "$E2E_TMP/cleared.png" "$panel" ||
  fail "the next drawing did not take the trace away ($(pixels_changed "$E2E_TMP/plain.png" "$E2E_TMP/cleared.png" "$panel") pixels differ)"
wait_for_drawing "$E2E_TMP/trace.png" "$E2E_TMP/cleared.png" 500 || fail "key B's own picture file was not drawn"
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end through Yes"
