#!/usr/bin/env bash
# Where the compositor does not hold its shortcuts back for the program, the program still
# plays and tells the parent which keys are not locked: once when the compositor never grants
# the inhibition, once (that they may not be) when the program runs on XWayland.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_sway.sh"

# wait_for_log TEXT SECONDS: whether the program wrote TEXT within the time.
wait_for_log() { wait_for "$2" grep -q "$1" "$E2E_TMP/program.log"; }

# expect_play: a key draws on the surface.
expect_play() {
  sway_screenshot "$E2E_TMP/before.png"
  as_user wtype -s 300 -k space -s 150 -k a -s 150
  E2E_SHOT=sway_screenshot wait_for_change "$E2E_TMP/before.png" "$E2E_TMP/after.png" || fail "$1: a key drew nothing"
}

exit_through_yes() {
  sway_open_exit_confirmation
  sway_answer yes
  program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
  [ "$(cat "$E2E_TMP/status")" = 0 ] || fail "$1: the program did not end through Yes"
}

# The compositor never grants the inhibition to any client.
start_sway "seat * shortcuts_inhibitor disable"
sway_control
folder=$(copy_sway_program)

start_sway_program "$folder"
[ "$SWAY_PROGRAM_SHELL" = xdg_shell ] || fail "the program is not a Wayland client here ($SWAY_PROGRAM_SHELL)"
wait_for_log "the desktop has not allowed Kedoozle" 8 || fail "no notice when the compositor refused"
expect_play "refused"
send_sway_combinations
wait_for 2 all_sway_markers || true
echo "refused: $(ls "$SWAY_MARKERS" | wc -l) of 5 bindings acted, as the notice says"
[ "$(grep -c "not locked" "$E2E_TMP/program.log")" = 1 ] || fail "the notice was not given exactly once"
sway_screenshot "$E2E_TMP/refused.png"
cp "$E2E_TMP/refused.png" /tmp/wayland_fallback_refused.png 2>/dev/null || true
exit_through_yes "refused"
clear_sway_markers

# On XWayland the X keyboard grab holds against X clients; whether the compositor honours it
# for its own shortcuts the program cannot see (this one does not), and the notice says so.
start_sway_program "$folder" QT_QPA_PLATFORM=xcb
[ "$SWAY_PROGRAM_SHELL" = xwayland ] || fail "the program is not an XWayland client here ($SWAY_PROGRAM_SHELL)"
wait_for_log "Keys may not be locked: Kedoozle runs on XWayland" 5 || fail "no notice on XWayland"
expect_play "XWayland"
send_sway_combinations
wait_for 2 all_sway_markers || true
echo "XWayland: $(ls "$SWAY_MARKERS" | wc -l) of 5 bindings acted despite the X keyboard grab"
sway_screenshot "$E2E_TMP/xwayland.png"
cp "$E2E_TMP/xwayland.png" /tmp/wayland_fallback_xwayland.png 2>/dev/null || true
exit_through_yes "XWayland"
echo "PASS"
