#!/usr/bin/env bash
# A child's Escape at the shell's permission question refuses the lock: the program says so
# and how to allow it for good, and asks again when its window gets the keyboard back, once a
# minute at most; Allow then holds the shortcuts back.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_gnome.sh"

start_gnome
cp -r "${KD_DIST:?}" "$E2E_TMP/dist"
start_gnome_program "$E2E_TMP/dist"
asked_at=$(ms_now)
answer_questions esc
wait_for_log "has not allowed Kedoozle" 10 || fail "no notice of the refusal"
grep -q "To allow it for good" "$E2E_TMP/program.log" || fail "the notice does not say how to allow it for good"
gnome_screenshot "$E2E_TMP/refused.png"
cp "$E2E_TMP/refused.png" /tmp/gnome_refusal_refused.png 2>/dev/null || true

# The keyboard goes to the overview and comes back within the minute: no new question.
expect_overview "refused"
wait_for 5 gnome_focus_is Kedoozle || fail "the Kedoozle window did not get the keyboard back"
! wait_for 2 gnome_question_shown || fail "asked again within the minute"

# Once the minute has passed, the keyboard's return brings the question back. The window is
# shown anew for it, and a window shown closes the overview: the question may come before
# the overview is seen.
minute_passed() { [ $(( $(ms_now) - asked_at )) -ge 61000 ]; }
overview_or_question() { gnome_overview_shown || gnome_question_shown; }
wait_for 70 minute_passed
gnome_ keys super
wait_for 3 overview_or_question || fail "Super did nothing after the refusal"
gnome_overview_shown && close_overview
wait_for 10 gnome_question_shown || fail "not asked again when the window got the keyboard back"
gnome_ keys enter
wait_for 10 gnome_focus_is Kedoozle || fail "the Kedoozle window did not get the keyboard after Allow"
wait_for_log "Keys are locked again" 5 || fail "no word that the keys are locked"
expect_no_overview "after Allow"
gnome_screenshot "$E2E_TMP/allowed.png"
cp "$E2E_TMP/allowed.png" /tmp/gnome_refusal_allowed.png 2>/dev/null || true
program_alive || fail "the program ended"
echo "PASS"
