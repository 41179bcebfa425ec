#!/usr/bin/env bash
# A read-only Kedoozle.ini is a parent's way of locking the settings: the program plays with
# them, and at exit the save fails with the file's name shown, the file stays byte for byte
# as it was, and the keys are given back.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_keys.sh"

write_key_config "$E2E_TMP/rc.xml"
start_x_unique 1024x768 "$E2E_TMP/rc.xml"
wait_for_key_bindings

folder=$(copy_program)
printf '[Settings]\r\nPlayMode=2\r\nSound=0\r\n; locked by a parent\r\n' >"$folder/Kedoozle.ini"
chmod 444 "$folder/Kedoozle.ini"
cp -p "$folder/Kedoozle.ini" "$E2E_TMP/original.ini"
start_program "$folder"
# Play changes what would be saved: another play mode, the sound switch.
xdotool mousemove 76 738 click 1
wait_for_change "$E2E_TMP/started.png" "$E2E_TMP/clicked.png" 32x32+60+722 || fail "a click on the PatternType image did not select it"
xdotool mousemove 948 738 click 1 mousemove 500 300
wait_for_change "$E2E_TMP/started.png" "$E2E_TMP/clicked.png" 32x32+932+722 || fail "a click on the sound switch did not turn it"
xdotool key a b c
click_exit_and_answer yes

# The failed save is shown in a message box; the program waits for it.
message_box() {
  local id WIDTH HEIGHT X Y SCREEN WINDOW
  for id in $(xdotool search --onlyvisible --name '^Kedoozle$' 2>/dev/null || true); do
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null || true)"
    [ "${WIDTH:-1024}" -lt 1024 ] && echo "$id"
  done
  return 0
}
box_up() { box=$(message_box | tail -1); [ -n "$box" ] && [ "$box" != "$EXIT_DIALOG" ]; }
wait_for 10 box_up || fail "no message about the failed save"
# The box has taken the focus: it is up and the program with it, waiting.
wait_for 5 window_active "$box" || fail "the message about the failed save did not get the focus"
program_alive || fail "the program ended without waiting for the message"
echo "ok: the failed save is shown"
xdotool windowactivate --sync "$box" 2>/dev/null || true
xdotool key Return
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program ended with status $(cat "$E2E_TMP/status")"
cmp -s "$folder/Kedoozle.ini" "$E2E_TMP/original.ini" || fail "the read-only settings file was changed"
[ "$(stat -c %a "$folder/Kedoozle.ini")" = 444 ] || fail "the settings file is no longer read-only"
[ -z "$(find "$folder" -name '.Kedoozle.ini.*')" ] || fail "a temporary file was left behind"
echo "ok: the read-only settings file is byte for byte as it was"
send_key_combinations
expect_all_markers "after the exit with a failed save"
echo "PASS"
