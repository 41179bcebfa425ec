#!/usr/bin/env bash
# The exit confirmation on a real X server with a window manager, on a 640x480 screen: it
# stands with its lower right corner at (surface width, surface height); play goes on behind
# it: keys draw there and answer nothing; Yes lights its 3-D edge under the pointer and not
# after a press let go elsewhere; a drag across Yes, a quick click on it and a press that
# strays answer nothing; No, the close box, a click outside it and ten seconds without an
# answer all keep play going in the same mode; Yes held until its face has filled ends the
# program and saves the settings.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_keys.sh"

start_x 640x480
dist=$(copy_program)
rm -f "$dist/Kedoozle.ini"
start_program "$dist"
SURFACE=608x402+16+16
MODES=229x46+4+430

# ShapeType, so that "the same mode" can be told from the default.
xdotool mousemove $((4 + 100 + 16)) $((480 - 50 + 4 + 16)) click 1
wait_for_change "$E2E_TMP/started.png" "$E2E_TMP/shape.png" 32x32+104+434 20 || fail "ShapeType was not selected"
# The whole row settles (the old mode's picture is drawn unselected too) before it is kept.
wait_for_rest "$E2E_TMP/shape.png"

# still_up WHAT: the program runs and the confirmation is up, or the test fails saying WHAT
# ended it.
still_up() {
  program_alive || fail "$1 ended the program"
  [ -n "$(dialog_window)" ] || fail "$1 closed the confirmation"
}

# The confirmation stands with its lower right corner at the surface's: open_exit_confirmation
# waits until it stands at 352,274 with its frame, 256x128, and fails if it never does.
dialog=$(open_exit_confirmation)
read -r ol ot ow oh < <(outer_geometry "$dialog")
[ "$ol $ot $ow $oh" = "352 274 256 128" ] || fail "confirmation at $ol,$ot size ${ow}x$oh, not 352,274 256x128"

# Keys answer nothing, and draw on the surface behind it as ever.
wait_for_rest "$E2E_TMP/up.png"
xdotool key Return space y n Escape alt+F4 Tab KP_Enter alt+y alt+n ctrl+w
wait_for_drawing "$E2E_TMP/up.png" "$E2E_TMP/keys.png" || { still_up "a key"; fail "keys pressed while the confirmation was up drew nothing"; }
still_up "a key"

# No keeps play going.
read -r nx ny < <(exit_button_point "$dialog" no)
xdotool mousemove "$nx" "$ny" click 1
wait_for 5 dialog_gone || fail "the confirmation stayed up after No"
program_alive || fail "No ended the program"

# Yes is flat until the pointer is over it (its lower right corner turns from grey to black),
# and flat again once a press on it has been let go elsewhere.
dialog=$(open_exit_confirmation)
wait_for_rest "$E2E_TMP/up.png"
read -r yx yy < <(exit_button_point "$dialog" yes)
read -r nx ny < <(exit_button_point "$dialog" no)
corner_x=$((yx + 37)); corner_y=$((yy + 12))
[ "$(pixel "$E2E_TMP/up.png" $corner_x $corner_y)" = "128,128,128" ] || fail "Yes is not flat at rest"
xdotool mousemove "$yx" "$yy"
wait_for_pixel "$E2E_TMP/hover.png" $corner_x $corner_y "0,0,0" || fail "Yes shows no 3-D edge under the pointer"
[ "$(pixel "$E2E_TMP/hover.png" $((corner_x - 1)) $((corner_y - 1)))" = "128,128,128" ] || fail "Yes lacks its inner ring"
xdotool mousedown 1 mousemove $((yx + 150)) $((yy - 60)) mouseup 1
wait_for_pixel "$E2E_TMP/left.png" $corner_x $corner_y "128,128,128" || fail "Yes stays lit after a press let go elsewhere"
still_up "a press on Yes let go elsewhere"

# A drag across Yes from the panel beside it, and a quick click on it, answer nothing: No,
# lighting up under the pointer afterwards, shows that the window has taken them.
xdotool mousemove $((yx - 60)) "$yy" mousedown 1 mousemove $((yx - 20)) "$yy" mousemove "$yx" "$yy" mouseup 1
xdotool click 1
wait_for_lit_button "$dialog" no || { still_up "a drag or a quick click on Yes"; fail "No shows no 3-D edge under the pointer"; }
still_up "a drag or a quick click on Yes"

# A click outside it, on the control panel's first play mode, says No and does nothing else:
# the mode stays ShapeType. Play goes on at once: a key draws.
xdotool mousemove $((4 + 12 + 16)) $((480 - 50 + 4 + 16)) click 1
wait_for 5 dialog_gone || fail "a click outside the confirmation did not answer it"
program_alive || fail "a click outside the confirmation ended the program"
wait_for_rest "$E2E_TMP/outside.png"
[ "$(pixels_changed "$E2E_TMP/shape.png" "$E2E_TMP/outside.png" "$MODES")" = 0 ] || fail "the click that said No also changed the play mode"
xdotool mousemove 300 200 key a
wait_for_drawing "$E2E_TMP/outside.png" "$E2E_TMP/after-outside.png" || fail "no drawing after a click outside the confirmation"

# Held until its face has filled, then dragged along it and back: the press has strayed and
# counts for nothing, and the fill goes. No then keeps play going.
dialog=$(open_exit_confirmation)
read -r yx yy < <(exit_button_point "$dialog" yes)
xdotool mousemove "$yx" "$yy" mousedown 1
wait_for_pixel "$E2E_TMP/full.png" $((yx + 33)) "$yy" "$YES_FILLED" || { xdotool mouseup 1; fail "Yes did not fill while held"; }
xdotool mousemove $((yx + 30)) "$yy"
wait_for_pixel "$E2E_TMP/strayed.png" $((yx + 33)) "$yy" "153,153,204" || { xdotool mouseup 1; fail "the fill stayed on a press that strayed"; }
xdotool mousemove "$yx" "$yy" mouseup 1
wait_for_lit_button "$dialog" no || { still_up "a press on Yes that strayed"; fail "No shows no 3-D edge under the pointer"; }
still_up "a press on Yes that strayed"
xdotool mousemove "$nx" "$ny" click 1
wait_for 5 dialog_gone || fail "the confirmation stayed up after No"

# Left unanswered, it says No by itself after ten seconds (counted here from a moment after
# it was up), and a key draws at once.
dialog=$(open_exit_confirmation)
opened=$(ms_now)
wait_for 20 dialog_gone || fail "the confirmation stayed up unanswered"
waited=$(( $(ms_now) - opened ))
[ "$waited" -ge 5000 ] || fail "the confirmation went unanswered after only $waited ms"
program_alive || fail "the time-out ended the program"
wait_for_rest "$E2E_TMP/timed-out.png"
xdotool key s
wait_for_drawing "$E2E_TMP/timed-out.png" "$E2E_TMP/after-timeout.png" || fail "no drawing after the time-out"
echo "ok: the unanswered confirmation said No after $waited ms"

# The close box (at the right end of openbox's title bar) keeps play going too. The pointer
# rests there a moment before the click, as a hand's would: the program lets the pointer go
# only once it is on the window manager's frame.
dialog=$(open_exit_confirmation)
read -r ol ot ow oh < <(outer_geometry "$dialog")
xdotool mousemove $((ol + ow - 12)) $((ot + 9)) sleep 0.05 click 1
wait_for 5 dialog_gone || fail "the confirmation stayed up after its close box"
program_alive || fail "the close box ended the program"

# Yes held until its face has filled ends the program with status 0 and the settings saved,
# in the same mode.
dialog=$(open_exit_confirmation)
answer_confirmation "$dialog" yes
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
status=$(cat "$E2E_TMP/status")
[ "$status" = 0 ] || fail "Yes gave status $status"
grep -q '^PlayMode=2' "$dist/Kedoozle.ini" || fail "the play mode was not kept as 2"
echo "PASS"
