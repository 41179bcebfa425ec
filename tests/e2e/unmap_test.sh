#!/usr/bin/env bash
# Another program that takes the main window off the screen, or the window manager iconifying
# it, does not end play: the window comes back at once, every time, with the keyboard and
# pointer grabs, and play and the exit door work as before.
source "$(dirname "$0")/lib.sh"

start_x 1024x768
dist=$(copy_program)
start_program "$dist"
main=$(xdotool search --onlyvisible --name '^Kedoozle$' | head -1)
[ -n "$main" ] || fail "no main window"

for round in 1 2 3; do
  xdotool windowunmap "$main"
  mapped=""
  for _ in $(seq 30); do
    xwininfo -id "$main" | grep -q 'Map State: IsViewable' && { mapped=yes; break; }
    sleep 0.1
  done
  [ -n "$mapped" ] || fail "round $round: the main window stayed off the screen"
done

# expect_grabs_held WHEN: with nothing happening, no other client can take the keyboard or
# the pointer from the program.
expect_grabs_held() {
  local what
  for what in keyboard pointer; do
    [ "$(other_client_grab "$what")" = 1 ] || fail "$1: another client could take the $what"
  done
}
sleep 1
expect_grabs_held "after the window was taken off the screen"

# The window manager iconifies the window: it comes back, and so do the grabs.
xdotool windowminimize "$main"
sleep 1
xwininfo -id "$main" | grep -q 'Map State: IsViewable' || fail "the main window stayed iconified"
expect_grabs_held "after the window was iconified"
sleep 0.5
screenshot "$E2E_TMP/before.png"
xdotool key a s d
sleep 0.5
screenshot "$E2E_TMP/after.png"
[ "$(pixel "$E2E_TMP/after.png" 4 4)" != "0,0,0" ] || fail "the main window's frame is not on the screen"
[ "$(md5sum <"$E2E_TMP/before.png")" != "$(md5sum <"$E2E_TMP/after.png")" ] || fail "keys drew nothing after the window came back"
program_alive || fail "the program ended"
click_exit_and_answer yes
[ "$(program_exit_status 10)" = 0 ] || fail "the program did not end through Yes"
echo "unmap: ok"
