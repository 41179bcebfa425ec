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
box=""
for _ in $(seq 50); do box=$(dialog_window || true); [ -n "$box" ] && break; sleep 0.1; done
[ -n "$box" ] || fail "no box told of the failed save"
sleep 0.4
screenshot "$E2E_TMP/box.png"
[ "$(xdotool getwindowfocus)" = "$box" ] || fail "the box does not have the keyboard"
xdotool key Return
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end after the box (status $(cat "$E2E_TMP/status"))"
[ -e "$dist/Kedoozle.ini/kept" ] || fail "the folder in the settings file's place was touched"
[ -z "$(find "$dist" -maxdepth 1 -name '.Kedoozle.ini.*')" ] || fail "a temporary file was left behind"
echo "PASS"
