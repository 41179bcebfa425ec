#!/usr/bin/env bash
# The key lock: while Kedoozle runs, none of the window manager's key bindings act and the
# program keeps the focus; after a confirmed exit, and after the program is killed, the
# bindings act again.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_keys.sh"

write_key_config "$E2E_TMP/rc.xml"
start_x_unique 1024x768 "$E2E_TMP/rc.xml"

# Control: without Kedoozle every binding acts, so a missing marker later means the lock.
wait_for_key_bindings
send_key_combinations
expect_all_markers "before the program runs"
clear_markers

keyboard_held() { [ "$(other_client_grab keyboard)" = 1 ]; }
window_gone() { ! window_named "$1"; }

folder=$(copy_program)
start_program "$folder"
# The combinations reach the program, which draws them: then they did not reach the window
# manager's bindings.
send_key_combinations
wait_for_drawing "$E2E_TMP/started.png" "$E2E_TMP/drawn.png" || fail "the key combinations drew nothing"
expect_no_markers "while the program runs"
program_alive || fail "the program ended during the key combinations"
# Left alone, the program keeps both grabs: another client can take neither. The program
# has been idle since its drawing showed and the markers were waited for.
for what in keyboard pointer; do
  [ "$(other_client_grab "$what")" = 1 ] || fail "another client could take the $what from the idle program"
done

# Another program opening a window takes the focus; Kedoozle takes it back at once.
main=$(main_window)
[ -n "$main" ] || fail "no Kedoozle window"
steal_focus "$main" kdsteal
# With the other window still open, the bindings stay locked.
send_key_combinations
expect_no_markers "with another program's window open"
kill "$STEAL_PID" 2>/dev/null || true

# While the exit confirmation is open, it is the window that takes the focus back; the lock
# holds there too. Keys do not answer it; the parent's Yes does, and gives the keys back.
dialog=$(open_exit_confirmation)
[ -n "$dialog" ] || fail "no exit confirmation"
steal_focus "$dialog" kdsteal2
kill "$STEAL_PID" 2>/dev/null || true
wait_for 5 window_gone kdsteal2 || fail "the other program's window did not go"
wait_for 5 window_active "$dialog" || fail "the exit confirmation lost the focus"
xdotool key Return space y
# The keys show nothing in the confirmation; No lighting up under the pointer afterwards shows
# that the confirmation has taken them.
wait_for_lit_button "$dialog" no || fail "No does not light up under the pointer"
program_alive || fail "a key press answered the exit confirmation"
leave_through_yes
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
status=$(cat "$E2E_TMP/status")
[ "$status" = 0 ] || fail "the program ended with status $status after the confirmed exit"
send_key_combinations
expect_all_markers "after the confirmed exit"
clear_markers

# A program that is killed gives the keys back too.
start_program "$folder"
send_key_combinations
wait_for_drawing "$E2E_TMP/started.png" "$E2E_TMP/drawn.png" || fail "the key combinations drew nothing in the second run"
expect_no_markers "in the second run"
kill -TERM "$KD_PID"
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
status=$(cat "$E2E_TMP/status")
[ "$status" != timeout ] || fail "the program did not end on SIGTERM"
send_key_combinations
expect_all_markers "after the program was killed"
clear_markers

# Another client holds the keyboard when Kedoozle starts: the program keeps trying and has
# the lock soon after the other client lets go.
: >"$E2E_TMP/grabber.log"
python3 "$(dirname "$0")/keyboard_grabber.py" 4 >"$E2E_TMP/grabber.log" 2>&1 &
grabber=$!
E2E_PIDS+=($grabber)
wait_for 5 grep -q '^grab' "$E2E_TMP/grabber.log" || true
grep -q '^grab 0$' "$E2E_TMP/grabber.log" || fail "the other client could not grab the keyboard"
start_program "$folder"
kill -0 "$grabber" 2>/dev/null || echo "note: the program took longer to start than the other grab lasted"
wait "$grabber" || true
# The program takes the keyboard on its next try after the other client let go.
wait_for 10 keyboard_held || fail "the keyboard is free after another client's grab ended"
screenshot "$E2E_TMP/held.png"
send_key_combinations
wait_for_drawing "$E2E_TMP/held.png" "$E2E_TMP/drawn.png" || fail "the key combinations drew nothing after the other grab"
expect_no_markers "after another client's keyboard grab ended"
[ "$(other_client_grab keyboard)" = 1 ] || fail "the keyboard is free after another client's grab ended"
echo "PASS"
