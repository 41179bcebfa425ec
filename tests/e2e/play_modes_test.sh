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
for mode in 0 1 2 3 4; do
  xdotool mousemove $((16 + 44 * mode + 16)) 738 click 1
  sleep 0.4
  screenshot "$E2E_TMP/before-$mode.png"
  for k in a 7 Return F5; do xdotool key "$k"; sleep 0.1; done
  sleep 0.5
  screenshot "$E2E_TMP/after-$mode.png"
  changed=$(compare -metric AE -extract "$surface" "$E2E_TMP/before-$mode.png" "$E2E_TMP/after-$mode.png" null: 2>&1 || true)
  [ "${changed%% *}" -gt 500 ] 2>/dev/null || fail "mode $mode: the keys changed only $changed surface pixels"
  # No trace replaced the mode pictures and the logo, and nothing was drawn over the panel.
  same=$(compare -metric AE -extract "$panel" "$E2E_TMP/before-$mode.png" "$E2E_TMP/after-$mode.png" null: 2>&1 || true)
  [ "${same%% *}" = 0 ] || fail "mode $mode: the control panel changed ($same pixels)"
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
screenshot "$E2E_TMP/plain.png"
xdotool key a
sleep 0.5
screenshot "$E2E_TMP/trace.png"
shown=$(compare -metric AE -extract 600x46+4+718 "$E2E_TMP/plain.png" "$E2E_TMP/trace.png" null: 2>&1 || true)
[ "${shown%% *}" -gt 200 ] 2>/dev/null || fail "no trace in the control panel ($shown pixels changed)"
cp "$E2E_TMP/trace.png" /tmp/kedoozle-trace.png 2>/dev/null || true
xdotool key b
sleep 0.5
screenshot "$E2E_TMP/cleared.png"
back=$(compare -metric AE -extract "$panel" "$E2E_TMP/plain.png" "$E2E_TMP/cleared.png" null: 2>&1 || true)
[ "${back%% *}" = 0 ] || fail "the next drawing did not take the trace away ($back pixels differ)"
drawn=$(compare -metric AE -extract "$surface" "$E2E_TMP/trace.png" "$E2E_TMP/cleared.png" null: 2>&1 || true)
[ "${drawn%% *}" -gt 500 ] 2>/dev/null || fail "key B's own picture file was not drawn"
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end through Yes"
