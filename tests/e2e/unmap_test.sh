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

mapped() { xwininfo -id "$main" | grep -q 'Map State: IsViewable'; }
for round in 1 2 3; do
  xdotool windowunmap "$main"
  wait_for 5 mapped || fail "round $round: the main window stayed off the screen"
done

# expect_grabs_held WHEN: the program takes the keyboard and the pointer again, and then no
# other client can take them from it.
expect_grabs_held() {
  wait_for 10 grabs_held || fail "$1: another client could take the $what"
}
grabs_held() {
  for what in keyboard pointer; do [ "$(other_client_grab "$what")" = 1 ] || return 1; done
}
expect_grabs_held "after the window was taken off the screen"

# The window manager iconifies the window: it comes back, and so do the grabs.
# The window manager iconifies the window a moment after it is asked to; the window's state
# as it sets it shows when it has.
xprop -spy -id "$main" WM_STATE >"$E2E_TMP/wm_state.spy" 2>/dev/null &
E2E_PIDS+=($!)
wait_for 5 test -s "$E2E_TMP/wm_state.spy" || fail "the window-state spy did not start"
xdotool windowminimize "$main"
wait_for 5 grep -q Iconic "$E2E_TMP/wm_state.spy" || fail "the window manager did not iconify the window"
wait_for 5 mapped || fail "the main window stayed iconified"
expect_grabs_held "after the window was iconified"
wait_for_rest "$E2E_TMP/before.png"
xdotool key a s d
wait_for_drawing "$E2E_TMP/before.png" "$E2E_TMP/after.png" || fail "keys drew nothing after the window came back"
[ "$(pixel "$E2E_TMP/after.png" 4 4)" != "0,0,0" ] || fail "the main window's frame is not on the screen"
program_alive || fail "the program ended"
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end through Yes"
echo "unmap: ok"
