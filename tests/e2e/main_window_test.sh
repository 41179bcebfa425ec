#!/usr/bin/env bash
# The main window on a real X server with a window manager: it covers the screen, key presses
# draw on the black play surface only, the mode pictures switch, Alt+F4 does not close it,
# and the exit door with No keeps it while Yes ends it and writes the settings next to it.
source "$(dirname "$0")/lib.sh"

start_x 1024x768
dist=$(copy_program)
rm -f "$dist/Kedoozle.ini"
mkdir -p "$E2E_TMP/elsewhere"
start_program "$dist" "$E2E_TMP/elsewhere"

main=$(xdotool search --onlyvisible --name '^Kedoozle$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$X,$Y,$WIDTH,$HEIGHT" = "0,0,1024,768" ] || fail "window at $X,$Y size ${WIDTH}x$HEIGHT, not the whole screen"

screenshot "$E2E_TMP/before.png"
for p in "16 16" "1007 16" "16 705" "1007 705" "512 360"; do
  [ "$(pixel "$E2E_TMP/before.png" $p)" = "0,0,0" ] || fail "play surface not black at $p"
done
[ "$(pixel "$E2E_TMP/before.png" 1 1)" != "0,0,0" ] || fail "no frame around the play surface"

# Presses draw on the surface and nowhere else.
for k in a s d f j k l semicolon Return space; do xdotool key "$k"; sleep 0.05; done
sleep 0.5
screenshot "$E2E_TMP/after.png"
changed=$(compare -metric AE -extract 992x690+16+16 "$E2E_TMP/before.png" "$E2E_TMP/after.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 1000 ] 2>/dev/null || fail "key presses changed only $changed pixels of the surface"
convert "$E2E_TMP/before.png" -crop 1024x62+0+706 +repage "$E2E_TMP/panel-before.png"
convert "$E2E_TMP/after.png" -crop 1024x62+0+706 +repage "$E2E_TMP/panel-after.png"
outside=$(compare -metric AE "$E2E_TMP/panel-before.png" "$E2E_TMP/panel-after.png" null: 2>&1 || true)
[ "${outside%% *}" = "0" ] || fail "key presses changed $outside pixels of the control panel"

# A click on the ShapeType picture selects it and unselects ClassicType.
classic="32x32+16+722"; shape="32x32+104+722"
xdotool mousemove 120 738 click 1
sleep 0.5
screenshot "$E2E_TMP/mode.png"
for region in "$classic" "$shape"; do
  d=$(compare -metric AE -extract "$region" "$E2E_TMP/after.png" "$E2E_TMP/mode.png" null: 2>&1 || true)
  [ "${d%% *}" -gt 20 ] 2>/dev/null || fail "mode picture $region did not change ($d)"
done

# Tab draws like any other key instead of moving the focus.
xdotool key Tab
sleep 0.4
screenshot "$E2E_TMP/tab.png"
tab=$(compare -metric AE -extract 992x690+16+16 "$E2E_TMP/mode.png" "$E2E_TMP/tab.png" null: 2>&1 || true)
[ "${tab%% *}" -gt 1000 ] 2>/dev/null || fail "Tab did not draw ($tab pixels changed)"

# Alt+F4 (the window manager's close binding) does not close it.
xdotool key alt+F4
sleep 0.7
program_alive || fail "Alt+F4 closed the program"

click_exit_and_answer no
sleep 0.7
program_alive || fail "No ended the program"
[ -z "$(dialog_window)" ] || fail "the confirmation stayed up after No"

click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
status=$(cat "$E2E_TMP/status")
[ "$status" = 0 ] || fail "exit through Yes gave status $status"

# Started from another folder, the settings file is written next to the program.
[ -f "$dist/Kedoozle.ini" ] || fail "no Kedoozle.ini next to the program"
[ ! -f "$E2E_TMP/elsewhere/Kedoozle.ini" ] || fail "Kedoozle.ini written into the working directory"
grep -q '^PlayMode=2' "$dist/Kedoozle.ini" || fail "PlayMode not saved as 2"
grep -q '^EraseLimit=25' "$dist/Kedoozle.ini" || fail "EraseLimit not saved"
grep -q '^Sound=1' "$dist/Kedoozle.ini" || fail "Sound not saved"
[ "$(grep -c '^\[[0-9]*\]' "$dist/Kedoozle.ini")" = 88 ] || fail "not 88 key sections"
! grep -q '^\[Modules\]' "$dist/Kedoozle.ini" || fail "a Modules section was written"
