#!/usr/bin/env bash
# The About window on a real X server: the logo opens it in the centre of the screen, the tabs
# switch its pages, the licence scrolls and cannot be edited, the window manager's key bindings
# stay locked and the focus stays with it while it is open, keys typed meanwhile draw behind
# it; Close, the close box, a click outside it and 30 seconds with the pointer away all
# return to play in the same mode; a program folder without License.txt gives one error box
# and an empty licence page. With KD_SCREENSHOTS set, both pages are saved there.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_keys.sh"

write_key_config "$E2E_TMP/rc.xml"
start_x_unique 1024x768 "$E2E_TMP/rc.xml"
dist=$(copy_program)
start_program "$dist"

LOGO="552 734"

# about_window: the id of the open About window, or nothing.
about_window() {
  local id
  for id in $(xdotool search --onlyvisible --name '^About Kedoozle$' 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' && { echo "$id"; return 0; }
  done
  return 0
}

open_about() {
  xdotool mousemove $LOGO click 1
  wait_for 5 about_up || fail "the logo did not open the About window"
  wait_for_about_settled
  echo "$ABOUT"
}
about_up() { ABOUT=$(about_window); [ -n "$ABOUT" ]; }
about_gone() { [ -z "$(about_window)" ]; }

# wait_for_about_settled: waits until the About window $ABOUT has the focus and stands
# centred with its frame, which the window manager adds a moment after the window maps (the
# frame's top then lies below the bottom by more than the title bar's height).
wait_for_about_settled() {
  wait_for 5 window_active "$ABOUT" || fail "the About window is not active"
  wait_for 5 about_centred || fail "the About window was not centred with its frame (at $AX,$AY)"
}
about_centred() { about_origin "$ABOUT"; [ $((AY - (768 - AY - 349))) -ge 4 ]; }

# Client-area origin of the About window: AX, AY.
about_origin() {
  AX=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print $4 }')
  AY=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ { print $4 }')
}

click_in_about() { xdotool mousemove $((AX + $1)) $((AY + $2)) click 1; }

error_box_up() { BOX=$(dialog_window); [ -n "$BOX" ]; }

# region_diff A B WxH+X+Y: pixels that differ between two screenshots in a client region.
region_diff() {
  local d
  d=$(compare -metric AE -extract "$3" "$1" "$2" null: 2>&1 || true)
  echo "${d%% *}"
}

# Page 0 shows the title picture where page 1 shows the licence box's left margin.
PROBE_X=22; PROBE_Y=118
LAVENDER="204,204,255"
LICENCE_BOX="485x204"

# ShapeType, so that the mode can be checked after the window closes; the pointer then
# leaves the control panel, where it would bring up a balloon hint.
xdotool mousemove 120 738 click 1 mousemove 600 300
wait_for_change "$E2E_TMP/started.png" "$E2E_TMP/play.png" 32x32+104+722 20 || fail "ShapeType was not selected"
wait_for_rest "$E2E_TMP/play.png"

about=$(open_about)
about_origin "$about"
eval "$(xdotool getwindowgeometry --shell "$about")"
[ "$WIDTH,$HEIGHT" = "521,349" ] || fail "About client area ${WIDTH}x$HEIGHT, not 521x349"
# Centred: the frame's top and bottom differ only by the title bar.
left=$AX; right=$((1024 - AX - 521))
[ $((left - right)) -ge -2 ] && [ $((left - right)) -le 2 ] || fail "not centred across: $left vs $right"
top=$AY; bottom=$((768 - AY - 349))
[ $((top - bottom)) -ge 0 ] && [ $((top - bottom)) -le 40 ] || fail "not centred down: $top vs $bottom"
echo "ok: About window centred at $AX,$AY"

wait_for_rest "$E2E_TMP/page0.png" || fail "the About window did not finish drawing"
[ "$(pixel "$E2E_TMP/page0.png" $((AX + PROBE_X)) $((AY + PROBE_Y)))" != "$LAVENDER" ] || fail "page 0 does not show the picture"
[ "$(pixel "$E2E_TMP/page0.png" $((AX + 400)) $((AY + 150)))" = "$LAVENDER" ] || fail "no lavender copyright panel"
[ "$(pixel "$E2E_TMP/page0.png" $((AX + 10)) $((AY + 254)))" = "204,204,204" ] || fail "the warning box is not light grey"

# The tab row: "License Agreement" is the second tab, to the right of the first one.
click_in_about 200 237
wait_for_pixel "$E2E_TMP/page1.png" $((AX + PROBE_X)) $((AY + PROBE_Y)) "$LAVENDER" || fail "License Agreement did not show the licence"
wait_for_rest "$E2E_TMP/page1.png"
text=$(region_diff "$E2E_TMP/page0.png" "$E2E_TMP/page1.png" "440x180+$((AX + 30))+$((AY + 25))")
[ "$text" -gt 2000 ] || fail "the licence page looks like page 0 ($text pixels differ)"

# It cannot be edited: clicks and typing leave the text as it is.
click_in_about 200 100
wait_for_rest "$E2E_TMP/clicked.png"
xdotool type --delay 20 "xyz"; xdotool key Return BackSpace Delete ctrl+v
# Nothing typed shows, so only time tells that nothing will: the window draws a change
# within a frame or two of the key.
sleep 0.3
screenshot "$E2E_TMP/typed.png"
box="$LICENCE_BOX+$((AX + 18))+$((AY + 18))"
[ "$(region_diff "$E2E_TMP/clicked.png" "$E2E_TMP/typed.png" "$box")" = 0 ] || fail "typing changed the licence"
[ -n "$(about_window)" ] || fail "typing closed the About window"

# The wheel scrolls it.
xdotool mousemove $((AX + 200)) $((AY + 100)) click 5 click 5 click 5
wait_for_change "$E2E_TMP/typed.png" "$E2E_TMP/scrolled.png" "$box" 500 || fail "the wheel did not scroll the licence"
[ -n "${KD_SCREENSHOTS:-}" ] && cp "$E2E_TMP/page1.png" "$KD_SCREENSHOTS/about-license-1024x768.png"

# Back to the first page.
click_in_about 60 237
wait_for_match "$E2E_TMP/page0.png" "$E2E_TMP/back.png" "501x219+$((AX + 10))+$((AY + 10))" ||
  fail "page 0 did not come back as it was ($(region_diff "$E2E_TMP/page0.png" "$E2E_TMP/back.png" "501x219+$((AX + 10))+$((AY + 10))") pixels differ)"
[ -n "${KD_SCREENSHOTS:-}" ] && cp "$E2E_TMP/page0.png" "$KD_SCREENSHOTS/about-copyright-1024x768.png"

# The window manager's bindings, Escape and Alt+F4 all do nothing while it is open.
send_key_combinations
expect_no_markers "while the About window is open"
# Escape gives no sign of arriving; only time tells that it does not close the window.
xdotool key Escape; sleep 0.3
[ -n "$(about_window)" ] || fail "a key closed the About window"
# Another program's window: the About window, not the main window, comes back to the front.
steal_focus "$about" kdsteal
kill "$STEAL_PID" 2>/dev/null || true
wait_for 5 window_active "$about" || fail "the About window did not get the focus back"

# Close returns to play.
click_in_about 475 328
wait_for 5 about_gone || fail "Close did not close the About window"
# The play mode is as it was, and what was typed while the About window was up drew behind it.
wait_for_change "$E2E_TMP/play.png" "$E2E_TMP/closed.png" "992x690+16+16" || fail "keys typed while the About window was up drew nothing"
wait_for_rest "$E2E_TMP/closed.png"
[ "$(region_diff "$E2E_TMP/play.png" "$E2E_TMP/closed.png" "229x46+4+718")" = 0 ] || fail "the play mode changed"
xdotool key a s d
wait_for_drawing "$E2E_TMP/closed.png" "$E2E_TMP/drawn.png" 500 || fail "keys do not draw after Close"
wait_for_rest "$E2E_TMP/drawn.png"

# The close box returns to play too.
about=$(open_about)
about_origin "$about"
# The close box sits at the right end of the title bar above the client area.
read -r _ fright ftop _ < <(xprop -id "$about" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
# The pointer rests there a moment, as a hand's would: the program lets the pointer go only
# once it is on the window manager's frame.
xdotool mousemove $((AX + 521 + fright - 12)) $((AY - ftop / 2)) sleep 0.05 click 1
wait_for 3 about_gone || fail "the close box did not close the About window"
wait_for_match "$E2E_TMP/drawn.png" "$E2E_TMP/closed2.png" "992x690+16+16" || fail "the surface is not as it was after the close box"
xdotool key q w e
wait_for_drawing "$E2E_TMP/closed2.png" "$E2E_TMP/drawn2.png" 500 || fail "keys do not draw after the close box"
send_key_combinations
expect_no_markers "after the About window"
program_alive || fail "the program ended"
echo "ok: Close and the close box return to play"

# A click outside it, on the play surface, closes it and draws nothing there; play goes on
# at once.
wait_for_rest "$E2E_TMP/before-outside.png"
about=$(open_about)
xdotool mousemove 40 40 click 1
wait_for 5 about_gone || fail "a click outside did not close the About window"
wait_for_match "$E2E_TMP/before-outside.png" "$E2E_TMP/outside.png" "992x690+16+16" || fail "the click that closed the About window also drew"
xdotool key z
wait_for_drawing "$E2E_TMP/outside.png" "$E2E_TMP/after-outside.png" || fail "keys do not draw after a click outside the About window"

# With the pointer away from it, it closes by itself after 30 seconds (counted here from a
# moment after it was up).
about=$(open_about)
xdotool mousemove 40 40
opened=$(ms_now)
wait_for 45 about_gone || fail "the About window stayed open with the pointer away"
waited=$(( $(ms_now) - opened ))
[ "$waited" -ge 25000 ] || fail "the About window closed after only $waited ms"
program_alive || fail "the program ended"
echo "ok: a click outside and the pointer away ($waited ms) close the About window"

click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "exit gave status $(cat "$E2E_TMP/status")"

# Without License.txt: one error box, then the window with an empty licence page and the
# text boxes in their first colours.
rm "$dist/License.txt"
start_program "$dist"
xdotool mousemove $LOGO click 1
wait_for 5 error_box_up || fail "no error box for the missing License.txt"
[ -z "$(about_window)" ] || fail "the About window opened before the error was answered"
wait_for 5 window_active "$BOX" || fail "the error box does not have the keyboard"
xdotool key Return
wait_for 5 about_up || fail "the About window did not open after the error"
wait_for_about_settled
[ -z "$(dialog_window)" ] || fail "a second error box appeared"
click_in_about 200 237
wait_for_pixel "$E2E_TMP/empty.png" $((AX + PROBE_X)) $((AY + PROBE_Y)) "255,255,255" || fail "the licence box is not white"
wait_for_rest "$E2E_TMP/empty.png"
colours=$(convert "$E2E_TMP/empty.png" -crop "440x180+$((AX + 30))+$((AY + 25))" -format %k info:)
[ "$colours" = 1 ] || fail "the licence page is not empty ($colours colours)"
[ "$(pixel "$E2E_TMP/empty.png" $((AX + 10)) $((AY + 254)))" = "192,192,192" ] || fail "the warning box is not silver"
click_in_about 475 328
wait_for 5 about_gone || fail "Close did not close the About window"
program_alive || fail "the program ended"
echo "ok: a missing License.txt gives one error box and an empty licence page"
