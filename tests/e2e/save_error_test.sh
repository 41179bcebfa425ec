#!/usr/bin/env bash
# When the settings cannot be written at the end of play, the parent is told which file in a
# box that Return closes, and the program still ends: the keys are given back.
source "$(dirname "$0")/lib.sh"

start_x 1024x768
dist=$(copy_program)
start_program "$dist"
# A folder where the settings file was: the file cannot be replaced.
mv "$dist/Kedoozle.ini" "$dist/Kedoozle.old"
mkdir "$dist/Kedoozle.ini"
touch "$dist/Kedoozle.ini/kept"
xdotool key a
click_exit_and_answer yes
box_up() { box=$(dialog_window || true); [ -n "$box" ] && [ "$box" != "$EXIT_DIALOG" ]; }
wait_for 10 box_up || fail "no box told of the failed save"
box_focused() { [ "$(xdotool getwindowfocus)" = "$box" ]; }
wait_for 5 box_focused || fail "the box does not have the keyboard"
wait_for_rest "$E2E_TMP/box.png"
xdotool key Return
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end after the box (status $(cat "$E2E_TMP/status"))"
[ -e "$dist/Kedoozle.ini/kept" ] || fail "the folder in the settings file's place was touched"
[ -z "$(find "$dist" -maxdepth 1 -name '.Kedoozle.ini.*')" ] || fail "a temporary file was left behind"
echo "PASS"
