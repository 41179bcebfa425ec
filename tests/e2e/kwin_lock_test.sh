#!/usr/bin/env bash
# The key lock under a headless KWin. As a Wayland client the program holds the compositor's
# shortcuts back; a window that pops up during play takes the keyboard, the shortcuts act, and
# the control panel says so until the program's window has it back. Forced onto XWayland, the
# program holds them through the X keyboard grab, which this compositor honours, and its notice
# claims nothing it cannot know.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_kwin.sh"

start_kwin
expect_shortcut "before the program runs"
cp -r "${KD_DIST:?}" "$E2E_TMP/dist"

start_kwin_program "$E2E_TMP/dist"
wait_for 15 kwin_active_is Kedoozle || fail "the Kedoozle window did not get the keyboard"
expect_no_shortcut "while the program plays"

pop_up_window "Another program"
wait_for 10 kwin_active_is "Another program" || fail "the window that popped up did not get the keyboard"
wait_for_log "Keys are not locked while another window has the keyboard" 5 \
  || fail "no notice while another window has the keyboard"
expect_shortcut "while another window has the keyboard"
kill "$POPUP_PID"
wait_for 10 kwin_active_is Kedoozle || fail "the Kedoozle window did not get the keyboard back"
wait_for_log "Keys are locked again" 5 || fail "no word that the keys are locked again"
expect_no_shortcut "with the keyboard back"
kill "$KD_PID"
wait_for 10 pids_gone "$KD_PID" || fail "the program did not end on SIGTERM"
wait_for 10 kwin_active_is "" || fail "the program's window did not go"

# On XWayland: the X keyboard grab holds, and the notice says only that it may not.
start_kwin_program "$E2E_TMP/dist" QT_QPA_PLATFORM=xcb
wait_for_log "Keys may not be locked: Kedoozle runs on XWayland" 15 || fail "no notice on XWayland"
wait_for 15 kwin_active_is Kedoozle || fail "the Kedoozle window did not get the keyboard on XWayland"
! grep -q "does not let Kedoozle" "$E2E_TMP/program.log" || fail "the notice on XWayland says the shortcuts are open"
expect_no_shortcut "on XWayland"
echo "PASS"
