#!/usr/bin/env bash
# Every monitor is covered: with two and three monitors each one besides the main window's
# gets a play surface of its own that draws every key press, takes no click and no focus,
# and follows monitors that come, go and change size. A click there answers the exit
# confirmation No; exit through Yes closes them all.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_xorg.sh"

# The main window covers the first monitor, not the whole root window.
screen_size() { echo 1024 768; }

start_xorg
add_monitor DUMMY1 1024x768 DUMMY0
# A bright desktop shows any part of a monitor that is left uncovered. Its colour is none of
# the program's own (pure green is a random colour of the drawings).
desktop='#02fd01'
xsetroot -solid "$desktop"
folder=$(copy_program)
start_program "$folder"
main=$(xdotool search --onlyvisible --name '^Kedoozle$' | head -1)

# wait_covers N: waits for N cover windows.
wait_covers() {
  wait_for 10 cover_count_is "$1" || fail "$(cover_windows | wc -l) cover windows instead of $1 ($(monitors | tr '\n' ' '))"
}
cover_count_is() { [ "$(cover_windows | wc -l)" = "$1" ]; }

# covers_match_monitors: waits until every monitor but the first has a cover of exactly its
# area.
covers_match_monitors() {
  wait_for 10 covers_match || fail "covers at $(echo $(cover_areas)) for monitors $(monitors | tr '\n' ' ')"
}
cover_areas() { local id; for id in $(cover_windows); do window_area "$id"; done | sort; }
covers_match() { [ "$(cover_areas)" = "$(monitors | tail -n +2 | sort)" ]; }

# green_pixels FILE: how many desktop pixels show on the monitors.
green_pixels() {
  local monitor total=0 count
  for monitor in $(monitors); do
    count=$(convert "$1" -crop "$monitor" +repage -fill black +opaque "$desktop" -fill white -opaque "$desktop" \
      -format '%[fx:round(mean*w*h)]' info:)
    total=$((total + count))
  done
  echo "$total"
}

# region_changed BEFORE AFTER WxH+X+Y: whether any pixel of the area differs.
region_changed() {
  local diff
  convert "$1" -crop "$3" +repage "$E2E_TMP/region1.png"
  convert "$2" -crop "$3" +repage "$E2E_TMP/region2.png"
  diff=$(compare -metric AE "$E2E_TMP/region1.png" "$E2E_TMP/region2.png" null: 2>&1 || true)
  [ "${diff%% *}" != 0 ]
}

# check_play: no desktop pixel shows, and a few key presses change every monitor.
check_play() {
  local monitor
  covers_match_monitors
  # A cover just mapped may not have drawn itself yet.
  wait_for 10 desktop_hidden || fail "part of the desktop shows with $(monitors | wc -l) monitors"
  xdotool key a s d f g h j k
  wait_for 10 every_monitor_drawn || fail "key presses drew nothing on $monitor"
}
desktop_hidden() { screenshot "$E2E_TMP/before.png"; [ "$(green_pixels "$E2E_TMP/before.png")" = 0 ]; }
every_monitor_drawn() {
  screenshot "$E2E_TMP/after.png"
  for monitor in $(monitors); do region_changed "$E2E_TMP/before.png" "$E2E_TMP/after.png" "$monitor" || return 1; done
}

# Two monitors.
wait_covers 1
check_play

# The wheel on a cover does nothing; clicks and a drag there draw on that cover alone (mouse
# play), and the main window keeps the focus.
wait_for_rest "$E2E_TMP/before.png"
xdotool mousemove 1500 400 click 4 click 5
# The wheel has nothing to show for it, so only time tells that it does nothing.
sleep 0.3
screenshot "$E2E_TMP/wheel.png"
region_changed "$E2E_TMP/before.png" "$E2E_TMP/wheel.png" 2048x768+0+0 && fail "the wheel on a cover changed the screen"
xdotool mousemove 1500 400 click 1 click 3 click 2 mousedown 1 mousemove 1700 600 mouseup 1
wait_for_change "$E2E_TMP/wheel.png" "$E2E_TMP/after.png" 1024x768+1024+0 || fail "a click on a cover drew nothing there"
wait_for_rest "$E2E_TMP/after.png"
region_changed "$E2E_TMP/wheel.png" "$E2E_TMP/after.png" 1024x768+0+0 && fail "a click on a cover drew on the main monitor"
region_changed "$E2E_TMP/wheel.png" "$E2E_TMP/after.png" 1024x768+1024+0 || fail "a click on a cover drew nothing there"
[ "$(xdotool getactivewindow)" = "$main" ] || fail "a click on a cover took the focus from the main window"
xdotool key z
wait_for_change "$E2E_TMP/after.png" "$E2E_TMP/after2.png" 1024x768+0+0 || fail "the key after a click on a cover did not draw"

# A third monitor comes while the program runs.
add_monitor DUMMY2 800x600 DUMMY1
wait_covers 2
check_play

# A monitor goes away, another changes its size: the covers follow within a second.
remove_monitor DUMMY2
wait_covers 1
add_monitor DUMMY1 800x600 DUMMY0
covers_match_monitors
xdotool key q w e r t y
# Back to one monitor: nothing is left of the covers.
remove_monitor DUMMY1
wait_covers 0
program_alive || fail "the program ended while monitors changed"

# With the exit confirmation up, a click on the other monitor's surface answers No.
add_monitor DUMMY1 1024x768 DUMMY0
wait_covers 1
open_exit_dialog
xdotool mousemove $((1024 + 500)) 300 click 1
wait_for 5 dialog_gone || fail "a click on a cover did not answer the exit confirmation"
program_alive || fail "a click on a cover ended the program"

# Exit through Yes with two monitors closes every window of the program.
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program ended with status $(cat "$E2E_TMP/status")"
[ -z "$(xdotool search --name '^Kedoozle' 2>/dev/null)" ] || fail "a window of the program is left after the exit"
echo "monitors: ok"
