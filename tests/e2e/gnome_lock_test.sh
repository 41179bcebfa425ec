#!/usr/bin/env bash
# The key lock under a headless gnome-shell: the program asks the shell to hold its shortcuts
# back and the parent allows it. A window that pops up during play takes the keyboard: the
# desktop's shortcuts act, and the control panel says the keys are not locked until the
# program's window has it back. A restore key held down, repeating, takes the lock away only
# until it is let go: then neither Super nor Alt+Tab acts.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_gnome.sh"

start_gnome
expect_overview "before the program runs"
cp -r "${KD_DIST:?}" "$E2E_TMP/dist"
start_gnome_program "$E2E_TMP/dist"
answer_questions enter
wait_for 5 gnome_focus_is Kedoozle || fail "the Kedoozle window does not have the keyboard after the questions"
expect_no_overview "after Allow"

# The control panel's message area, where the logo is while the keys are locked.
panel=440x40+300+718
gnome_screenshot "$E2E_TMP/locked.png"
pop_up_window "Another program"
wait_for 10 gnome_focus_is "Another program" || fail "the window that popped up did not get the keyboard"
wait_for_log "Keys are not locked while another window has the keyboard" 5 \
  || fail "no notice while another window has the keyboard"
E2E_SHOT=gnome_screenshot wait_for_change "$E2E_TMP/locked.png" "$E2E_TMP/elsewhere.png" $panel 100 5 \
  || fail "the control panel does not show the notice"
cp "$E2E_TMP/elsewhere.png" /tmp/gnome_lock_elsewhere.png 2>/dev/null || true
expect_overview "while another window has the keyboard"
gnome_ keys +alt tab -alt
wait_for 10 gnome_focus_is Kedoozle || fail "Alt+Tab did not give the Kedoozle window the keyboard back"
wait_for_log "Keys are locked again" 5 || fail "no word that the keys are locked again"
E2E_SHOT=gnome_screenshot wait_for_match "$E2E_TMP/locked.png" "$E2E_TMP/again.png" $panel 5 \
  || fail "the control panel did not show the logo again"
expect_no_overview "with the keyboard back"

# Super+Escape held for two seconds: the shell gives its shortcuts back at the press and at
# every repeat; once the keys are up the program has them held back again.
gnome_ keys +super +esc 2 -esc -super
expect_no_overview "after Super+Escape was held for 2 s"
gnome_ keys +alt tab -alt
# The shell switches within a frame or two of Alt's release: a second without it proves it.
! wait_for 1 gnome_focus_is "Another program" || fail "Alt+Tab switched windows after Super+Escape was held"
expect_no_overview "again after Super+Escape was held"
program_alive || fail "the program ended"
echo "PASS"
