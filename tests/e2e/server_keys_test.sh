#!/usr/bin/env bash
# The server's own keys: while Kedoozle runs no key of the keymap switches to a text console
# or ends the X server, and Ctrl+Alt+Backspace leaves the server running; every way out puts
# the exact keymap back, a start after SIGKILL first of all; a layout the desktop loads while
# the program runs stays in force after it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_xorg.sh"

start_xorg
setxkbmap -option terminate:ctrl_alt_bksp
keymap_dump "$E2E_TMP/original.xkb"
[ "$(server_keys_in "$E2E_TMP/original.xkb")" -ge 13 ] || fail "the test keymap lacks the server's keys"
folder=$(copy_program)

# expect_locked WHEN: no server key in the keymap, the root window records what was taken out.
expect_locked() {
  keymap_dump "$E2E_TMP/now.xkb"
  [ "$(server_keys_in "$E2E_TMP/now.xkb")" = 0 ] || fail "server keys left in the keymap $1"
  xprop -root _KEDOOZLE_SERVER_KEYS | grep -q '=' || fail "nothing recorded on the server $1"
}
server_keys_out() { keymap_dump "$E2E_TMP/now.xkb"; [ "$(server_keys_in "$E2E_TMP/now.xkb")" = 0 ]; }

# expect_original WHEN: the keymap is byte for byte the one before the program ran.
expect_original() {
  keymap_dump "$E2E_TMP/now.xkb"
  cmp -s "$E2E_TMP/original.xkb" "$E2E_TMP/now.xkb" || {
    diff "$E2E_TMP/original.xkb" "$E2E_TMP/now.xkb" | head -20 >&2; fail "the keymap differs $1"; }
  ! xprop -root _KEDOOZLE_SERVER_KEYS 2>/dev/null | grep -q '=' || fail "a record is left on the server $1"
}

# end_by SIGNAL: ends the program by the signal and waits for it.
end_by() {
  kill -"$1" "$KD_PID"
  program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
  [ "$(cat "$E2E_TMP/status")" != timeout ] || fail "the program did not end on SIG$1"
}

# Exit through Yes; the server-kill key does nothing while the program runs.
start_program "$folder"
expect_locked "while the program runs"
xdotool key ctrl+alt+BackSpace ctrl+alt+F1 ctrl+alt+F2 ctrl+alt+F12 ctrl+alt+shift+BackSpace
# The server acts on its own keys before any client sees them: once the program has drawn
# them, the server has let them pass.
wait_for_drawing "$E2E_TMP/started.png" "$E2E_TMP/drawn.png" || fail "the keys did not reach the program"
xorg_alive || fail "Ctrl+Alt+Backspace ended the X server while the program ran"
program_alive || fail "the program ended on Ctrl+Alt+Backspace"
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "exit through Yes ended with status $(cat "$E2E_TMP/status")"
expect_original "after exit through Yes"

# The signals of a logout, a closed terminal and Ctrl+C.
for signal in TERM INT HUP; do
  start_program "$folder"
  expect_locked "before SIG$signal"
  end_by "$signal"
  expect_original "after SIG$signal"
done

# A broken X connection (the window's client killed by the server) ends the program; its
# own second connection puts the keys back.
start_program "$folder"
expect_locked "before the X connection broke"
xkill -id "$(xdotool search --onlyvisible --name '^Kedoozle$' | head -1)" >/dev/null
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" != timeout ] || fail "the program did not end when its X connection broke"
expect_original "after the X connection broke"

# SIGKILL leaves the keys out; the next start puts them back before anything else, and its
# exit leaves the original keymap.
start_program "$folder"
end_by KILL
keymap_dump "$E2E_TMP/now.xkb"
[ "$(server_keys_in "$E2E_TMP/now.xkb")" = 0 ] || fail "the killed program's keys came back by themselves"
start_program "$folder"
expect_locked "in the run after SIGKILL"
end_by TERM
expect_original "after the run that followed SIGKILL"

# The desktop loads another layout while the program runs: its new server keys are taken out
# as well, and after exit the keymap is exactly that layout's.
start_program "$folder"
setxkbmap -layout de -option terminate:ctrl_alt_bksp
wait_for 10 server_keys_out || true
expect_locked "after the desktop loaded a layout"
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
keymap_dump "$E2E_TMP/after.xkb"
setxkbmap -layout de -option terminate:ctrl_alt_bksp
keymap_dump "$E2E_TMP/layout.xkb"
cmp -s "$E2E_TMP/after.xkb" "$E2E_TMP/layout.xkb" || {
  diff "$E2E_TMP/after.xkb" "$E2E_TMP/layout.xkb" | head -20 >&2; fail "the desktop's layout did not survive the exit"; }

# A single key the desktop changes while the program runs keeps that change too.
start_program "$folder"
xmodmap -e 'keycode 38 = q Q'
# A change that touches no way out shows nothing of the program's answer: a short pause gives
# it the chance to (wrongly) take the change back before it is ended.
sleep 0.3
end_by TERM
key38=$(xmodmap -pke | grep '^keycode  38 =' || true)
[[ "$key38" == "keycode  38 = q Q"* ]] || fail "the desktop's key change was undone: $key38"
keymap_dump "$E2E_TMP/now.xkb"
[ "$(server_keys_in "$E2E_TMP/now.xkb")" = "$(server_keys_in "$E2E_TMP/layout.xkb")" ] || fail "server keys missing after a key change"
echo "server keys: ok"
