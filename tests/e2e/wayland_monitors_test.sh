#!/usr/bin/env bash
# Under a Wayland compositor with two monitors: the program fills both, the second with its
# cover, full-screen on that monitor's own output; a key draws on both; a click on the cover,
# which the compositor answers by giving the cover the keyboard, leaves every shortcut locked.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_sway.sh"

start_sway
swaymsg_ create_output >/dev/null
swaymsg_ output HEADLESS-2 resolution 800x600 position 1024 0 >/dev/null
SWAY_LAYOUT_W=1824
sway_control
folder=$(copy_sway_program)
start_sway_program "$folder"

# The cover: full-screen on the second output, exactly its size.
cover=""
cover_up() {
  cover=$(sway_tree 'select(.name == "Kedoozle cover" and .fullscreen_mode == 1) | "\(.rect.x),\(.rect.y) \(.rect.width)x\(.rect.height)"' \
    | jq -r '.[0] // empty')
  [ "$cover" = "1024,0 800x600" ]
}
wait_for 10 cover_up || fail "the second monitor is not covered (cover: '$cover')"

# output_shot OUTPUT FILE: one output's picture (the whole layout at once may come out stale).
output_shot() { as_user grim -o "$1" "$SWAY_DIR/o.png" && cp "$SWAY_DIR/o.png" "$2"; }

main_shot() { output_shot HEADLESS-1 "$1"; }
cover_shot() { output_shot HEADLESS-2 "$1"; }

# draws_on_both: a key changes the picture of each output.
draws_on_both() {
  output_shot HEADLESS-1 "$E2E_TMP/m1.png"
  output_shot HEADLESS-2 "$E2E_TMP/c1.png"
  as_user wtype -s 300 -k space -s 150 -k a -s 150
  E2E_SHOT=main_shot wait_for_change "$E2E_TMP/m1.png" "$E2E_TMP/m2.png" || fail "$1: the key drew nothing on the main monitor"
  E2E_SHOT=cover_shot wait_for_change "$E2E_TMP/c1.png" "$E2E_TMP/c2.png" || fail "$1: the key drew nothing on the second monitor"
}
draws_on_both "at start"
send_sway_combinations
expect_no_sway_markers "with two monitors"

# A click on the second monitor: the cover takes the keyboard, and the lock goes with it.
# The pointer tool returns once the compositor has taken the click, and with it the focus.
sway_click 1400 300
focused=$(sway_tree 'select(.focused == true) | .name' | jq -r '.[0] // empty')
echo "after a click on the second monitor the compositor focused: '$focused'"
draws_on_both "after the click"
send_sway_combinations
expect_no_sway_markers "after a click on the second monitor"
! grep -q "not locked" "$E2E_TMP/program.log" || fail "the program reported the keys open: $(cat "$E2E_TMP/program.log")"
program_alive || fail "the program ended"

# The parent leaves through Yes; both windows go and the shortcuts act again.
sway_open_exit_confirmation
sway_answer yes
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end through Yes"
send_sway_combinations
expect_sway_markers "after the confirmed exit"
echo "PASS"
