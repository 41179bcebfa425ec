#!/usr/bin/env bash
# The key lock under a real Wayland compositor: the program runs as a Wayland client and the
# compositor's shortcuts do not act while it plays, also after the compositor took the
# inhibition away once and while the exit confirmation is open; after a confirmed exit they
# act again.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_sway.sh"

# F9 leaves a probe file: it shows which way keys go (see below).
start_sway "bindsym F9 exec touch $SWAY_DIR/probe"
sway_control

folder=$(copy_sway_program)
start_sway_program "$folder"
[ "$SWAY_PROGRAM_SHELL" = xdg_shell ] || fail "the program is not a Wayland client here ($SWAY_PROGRAM_SHELL)"
# The compositor knows the window by the installed menu entry's name.
app_id=$(sway_tree 'select(.name == "Kedoozle") | .app_id' | jq -r '.[0] // empty')
[ "$app_id" = org.kedoozle.Kedoozle ] || fail "the window's app_id is '$app_id', not the menu entry's name"

# Every combination is play: none of the bindings acts and each one draws.
sway_screenshot "$E2E_TMP/before.png"
previous="$E2E_TMP/before.png"
for combination in "-M logo -s 150 a -s 150 -m logo" "-M alt -s 150 -k Tab -s 150 -m alt" \
                   "-M ctrl -s 150 -k Escape -s 150 -m ctrl" "-M logo -s 150 -k Return -s 150 -m logo" \
                   "-M alt -s 150 -k F4 -s 150 -m alt"; do
  # shellcheck disable=SC2086
  as_user wtype $combination
  E2E_SHOT=sway_screenshot wait_for_change "$previous" "$E2E_TMP/after.png" || fail "nothing was drawn for wtype $combination"
  E2E_SHOT=sway_screenshot wait_for_rest "$E2E_TMP/after.png"
  cp "$E2E_TMP/after.png" "$E2E_TMP/previous.png"
  previous="$E2E_TMP/previous.png"
done
expect_no_sway_markers "while the program runs"
program_alive || fail "the program ended during the key combinations"

# The compositor takes the inhibition away: the program asks again, and the lock holds.
swaymsg_ seat seat0 shortcuts_inhibitor deactivate >/dev/null
# The program asks again a moment later. F9 shows when the compositor has granted it: while
# the inhibition is away the compositor takes F9 for its probe binding; once it holds, F9
# reaches the program, which draws.
probe_answered() {
  [ -e "$SWAY_DIR/probe" ] && return 0
  sway_screenshot "$E2E_TMP/probe-after.png"
  [ "$(pixels_differ "$E2E_TMP/probe-before.png" "$E2E_TMP/probe-after.png")" -gt 0 ]
}
# F9 draws a random shape, which now and then shows nothing new: a press without an answer is
# tried again.
held_again=""
for _ in $(seq 20); do
  rm -f "$SWAY_DIR/probe"
  sway_screenshot "$E2E_TMP/probe-before.png"
  as_user wtype -k F9
  wait_for 1 probe_answered || continue
  [ -e "$SWAY_DIR/probe" ] || { held_again=yes; break; }
done
[ -n "$held_again" ] || fail "the shortcuts were not held back again after the compositor took the inhibition away"
send_sway_combinations
expect_no_sway_markers "after the compositor took the inhibition away"
! grep -q "not locked" "$E2E_TMP/program.log" || fail "the program reported the keys open: $(cat "$E2E_TMP/program.log")"

# While the exit confirmation is open the lock holds; the parent's Yes gives the keys back.
sway_open_exit_confirmation
send_sway_combinations
expect_no_sway_markers "while the exit confirmation is open"
program_alive || fail "a key press answered the exit confirmation"
sway_leave_through_yes
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
status=$(cat "$E2E_TMP/status")
[ "$status" = 0 ] || fail "the program ended with status $status after the confirmed exit"
send_sway_combinations
expect_sway_markers "after the confirmed exit"
echo "PASS"
