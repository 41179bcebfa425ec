#!/usr/bin/env bash
# Caps Lock and Num Lock as a child leaves them are put back when play ends: the parent finds
# the keyboard as it was before Kedoozle started.
source "$(dirname "$0")/lib.sh"

# lock_state: "caps num" as the server has them, each on or off.
lock_state() { xset q | awk '/Caps Lock:/ { print $4, $8 }'; }

start_x 1024x768
xdotool key Num_Lock
before=$(lock_state)
[ "$before" = "off on" ] || fail "could not set the starting state (got '$before')"
dist=$(copy_program)
start_program "$dist"
xdotool key Caps_Lock
xdotool key Num_Lock
locks_toggled() { during=$(lock_state); [ "$during" = "on off" ]; }
wait_for 5 locks_toggled || fail "the child's Caps Lock and Num Lock did not act during play ('$during')"
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end through Yes"
after=$(lock_state)
[ "$after" = "$before" ] || fail "after play the locks are '$after', before they were '$before'"
echo "ok: caps/num before '$before', during play '$during', after '$after'"
