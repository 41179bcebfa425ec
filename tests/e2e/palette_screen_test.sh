#!/usr/bin/env bash
# On an 8-bit colour-map screen every window draws, in the palette's colours: the title window,
# the control panel's purples around the black surface, the drawings of all five modes, the
# exit question; and the toolkit never complains of a paint device it cannot paint on. With
# KD_SCREENSHOTS set, the screens are saved there.
source "$(dirname "$0")/lib.sh"

start_x 1024x768 "" 8
xdpyinfo | grep -q 'depth of root window: *8 planes' || fail "the display is not 8 bits deep"
dist=$(copy_program)
# Key A's shape is drawn in table colour 13, RGB(51, 102, 0), in ShapeType.
awk '/^\[1\]\r?$/ { key_a = 1 } /^\[2\]\r?$/ { key_a = 0 }
     key_a && /^ShapeColorIndex=/ { print "ShapeColorIndex=13"; next } { print }' \
  "$dist/Kedoozle.ini" >"$dist/Kedoozle.new" && mv "$dist/Kedoozle.new" "$dist/Kedoozle.ini"
grep -q '^ShapeColorIndex=13' "$dist/Kedoozle.ini" || fail "key A's colour was not set"

save() { [ -z "${KD_SCREENSHOTS:-}" ] || cp "$1" "$KD_SCREENSHOTS/8bit-$2.png"; }

# expect FILE X Y R,G,B WHAT: the pixel has the palette colour.
expect() {
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "$5 at $2,$3 is $got, not $4"
}

# The title window is looked at as soon as it is up: on a loaded machine the main window may
# come only near the end of its three seconds.
(cd "$dist" && SDL_AUDIODRIVER=dummy exec "$dist/Kedoozle" >"$E2E_TMP/program.log" 2>&1) &
KD_PID=$!
E2E_PIDS+=($KD_PID)
splash_up() { [ -n "$(splash_window)" ]; }
wait_for 30 splash_up || fail "the title window did not come up"
id=$(splash_window)
window_geometry "$id"
# The title window's purple frame and the lavender message strip at its foot.
wait_for_pixel "$E2E_TMP/splash.png" $((X + 6)) $((Y + 6)) 102,51,153 || fail "the title window's frame is $(pixel "$E2E_TMP/splash.png" $((X + 6)) $((Y + 6)))"
expect "$E2E_TMP/splash.png" $((X + 12)) $((Y + 414)) 153,153,204 "the title window's message strip"
save "$E2E_TMP/splash.png" splash
wait_for_main_window

# The control panel's frame: highlight, face and shadow of the purples; the black surface.
shot="$E2E_TMP/started.png"
expect "$shot" 1 1 153,102,255 "the frame's highlight"
expect "$shot" 6 6 102,51,153 "the frame"
expect "$shot" 12 12 51,0,102 "the frame's shadow"
expect "$shot" 100 740 102,51,153 "the control panel"
[ "$(convert "$shot" -crop "$(surface_area)" -format '%[fx:maxima]' info:)" = 0 ] || fail "the surface is not black"
save "$shot" panel

panel="1016x46+4+718"
previous="$shot"
for mode in 0 1 2 3 4; do
  xdotool mousemove $((16 + 44 * mode + 16)) 738 click 1 mousemove 600 300
  if [ "$mode" != 0 ]; then
    wait_for_change "$previous" "$E2E_TMP/before-$mode.png" "32x32+$((16 + 44 * mode))+722" 20 || fail "mode $mode was not selected"
  fi
  wait_for_rest "$E2E_TMP/before-$mode.png"
  xdotool key --delay 100 a 7 Return F5
  wait_for_drawing "$E2E_TMP/before-$mode.png" "$E2E_TMP/after-$mode.png" 500 ||
    fail "mode $mode: the keys changed only $(pixels_changed "$E2E_TMP/before-$mode.png" "$E2E_TMP/after-$mode.png" "$(surface_area)") surface pixels"
  wait_for_rest "$E2E_TMP/after-$mode.png"
  expect "$E2E_TMP/after-$mode.png" 100 740 102,51,153 "mode $mode: the control panel"
  save "$E2E_TMP/after-$mode.png" "mode-$mode"
  previous="$E2E_TMP/after-$mode.png"
done

# ShapeType: key A's rectangle (141 x 61) in its own colour, exactly.
xdotool mousemove $((16 + 44 * 2 + 16)) 738 click 1 mousemove 600 300
wait_for_change "$previous" "$E2E_TMP/shape-mode.png" "32x32+$((16 + 88))+722" 20 || fail "ShapeType was not selected"
wait_for_rest "$E2E_TMP/shape-mode.png"
xdotool key a
wait_for_drawing "$E2E_TMP/shape-mode.png" "$E2E_TMP/shape.png" 500 || fail "key A drew no shape"
wait_for_rest "$E2E_TMP/shape.png"
green=$(convert "$E2E_TMP/shape.png" -crop "$(surface_area)" -fill black +opaque 'rgb(51,102,0)' \
  -fill white -opaque 'rgb(51,102,0)' -format '%[fx:int(mean*w*h+0.5)]' info:)
[ "$green" -ge $((141 * 61)) ] || fail "key A's rectangle has only $green pixels of its colour"

# The exit question in its own colours: the grey window and the lavender Yes button.
open_exit_dialog
# Left of the middle of Yes, clear of its caption.
read -r x y < <(exit_button_point "$EXIT_DIALOG" yes)
wait_for_pixel "$E2E_TMP/exit.png" $((x - 30)) "$y" 153,153,204 || fail "the Yes button is $(pixel "$E2E_TMP/exit.png" $((x - 30)) "$y")"
expect "$E2E_TMP/exit.png" $((x - 37 - 8)) "$y" 192,192,192 "the exit question"
save "$E2E_TMP/exit.png" exit
answer_confirmation "$EXIT_DIALOG" yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end through Yes (status $(cat "$E2E_TMP/status"))"
! grep -q 'engine == 0\|Should no longer be called' "$E2E_TMP/program.log" || fail "the toolkit could not paint: $(head -3 "$E2E_TMP/program.log")"
echo "palette screen: ok"
