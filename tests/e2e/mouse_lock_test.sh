#!/usr/bin/env bash
# The mouse side of the lock, under openbox with its stock mouse bindings, 4 desktops and
# marker key bindings: while Kedoozle runs, no mouse binding of the window manager acts, a
# desktop switch by another client is undone, and the program's own controls still answer
# clicks.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_keys.sh"

write_stock_config "$E2E_TMP/rc.xml"
start_x_unique 1024x768 "$E2E_TMP/rc.xml"

desktop_is() { [ "$(xdotool get_desktop)" = "$1" ]; }

# Control: without Kedoozle, Alt+wheel switches the desktop and the key bindings act (openbox
# takes its grabs a moment after it announces itself).
for _ in $(seq 10); do
  xdotool mousemove 500 400 keydown alt click 5 keyup alt
  wait_for 1 desktop_is 1 && break
done
[ "$(xdotool get_desktop)" = 1 ] || fail "Alt+wheel does not switch the desktop without the program"
xdotool set_desktop 0
send_key_combinations
expect_all_markers "before the program runs"
clear_markers

folder=$(copy_program)
start_program "$folder"
main=$(main_window)
[ -n "$main" ] || fail "no Kedoozle window"
wait_for 5 eval 'xprop -id "$main" _NET_WM_STATE | grep -q FULLSCREEN' || true
xprop -id "$main" _NET_WM_STATE | grep -q '_NET_WM_STATE_FULLSCREEN' || fail "the window is not full-screen"
xprop -id "$main" _NET_WM_STATE | grep -q '_NET_WM_STATE_ABOVE' || fail "the window is not above others"
[ "$(xprop -id "$main" _NET_WM_DESKTOP | awk '{ print $3 }')" = 4294967295 ] || fail "the window is not on all desktops"

# Every change of the current desktop and of the active window, even one soon undone.
main_hex=$(printf '0x%x' "$main")
# spy NAME PROPERTY: (re)starts a record of the root window's property in NAME.spy; a spy
# starts by writing the value as it is, and only changes after that follow.
declare -A SPIES
spy() {
  [ -z "${SPIES[$1]:-}" ] || { kill "${SPIES[$1]}" 2>/dev/null || true; wait "${SPIES[$1]}" 2>/dev/null || true; }
  xprop -root -spy "$2" >"$E2E_TMP/$1.spy" 2>/dev/null &
  SPIES[$1]=$!
  E2E_PIDS+=($!)
  wait_for 5 test -s "$E2E_TMP/$1.spy" || fail "the $1 spy did not start"
}
spy desktop _NET_CURRENT_DESKTOP
spy active _NET_ACTIVE_WINDOW

# unchanged WHAT: the session stayed on desktop 0 with the program's window active, mapped
# over the whole screen.
unchanged() {
  local info
  ! grep -qv '= 0$' "$E2E_TMP/desktop.spy" || fail "$1: the desktop changed: $(tr '\n' ' ' <"$E2E_TMP/desktop.spy")"
  ! grep -qv "$main_hex\$" "$E2E_TMP/active.spy" || fail "$1: the active window changed: $(tr '\n' ' ' <"$E2E_TMP/active.spy")"
  info=$(xwininfo -id "$main")
  grep -q 'Map State: IsViewable' <<<"$info" || fail "$1: the window is no longer mapped"
  [ "$(awk '/Absolute upper-left X/ { print $4 }' <<<"$info"),$(awk '/Absolute upper-left Y/ { print $4 }' <<<"$info")" = 0,0 ] \
    || fail "$1: the window moved"
  [ "$(awk '/Width:/ { print $2 }' <<<"$info")x$(awk '/Height:/ { print $2 }' <<<"$info")" = 1024x768 ] \
    || fail "$1: the window was resized"
  program_alive || fail "$1: the program ended"
  echo "ok: $1: desktop, mapping, position and size unchanged"
}

# Nothing shows that the window manager will not act on an attempt but time: it would switch,
# move or resize within a few frames.
attempt() { local what=$1; shift; xdotool "$@"; sleep 0.3; unchanged "$what"; }
attempt "Alt+wheel down" mousemove 500 300 keydown alt click 5 keyup alt
attempt "Alt+wheel up" mousemove 500 300 keydown alt click 4 keyup alt
attempt "Ctrl+Alt+wheel down" keydown ctrl keydown alt click 5 keyup alt keyup ctrl
attempt "Alt+Shift+wheel down (send the window away)" keydown alt keydown shift click 5 keyup shift keyup alt
attempt "wheel up and down" click 4 click 5 click 5
attempt "Alt+left drag" keydown alt mousemove 500 300 mousedown 1 mousemove 550 350 mousemove 700 500 mouseup 1 keyup alt
attempt "Alt+right drag" keydown alt mousemove 900 600 mousedown 3 mousemove 850 550 mousemove 700 400 mouseup 3 keyup alt
attempt "Alt+middle click" keydown alt mousemove 500 300 click 2 keyup alt
for corner in "0 0" "1023 0" "0 767" "1023 767"; do
  read -r x y <<<"$corner"
  attempt "right and middle click at ($x, $y)" mousemove "$x" "$y" click 3 click 2 click 4 click 5
done
xdotool key Escape Escape
send_key_combinations
expect_no_markers "after the mouse attempts"

# Another client switches the desktop: it is switched back within a second.
xdotool set_desktop 2
start=$(date +%s%N)
until [ "$(xdotool get_desktop)" = 0 ]; do
  [ $(( ($(date +%s%N) - start) / 1000000 )) -lt 1000 ] || fail "the desktop switch was not undone within a second"
  sleep 0.02
done
echo "ok: a desktop switch by another client was undone after $(( ($(date +%s%N) - start) / 1000000 )) ms"
spy desktop _NET_CURRENT_DESKTOP
unchanged "after the forced desktop switch"
send_key_combinations
expect_no_markers "after the forced desktop switch"

# The program's own controls still answer clicks: a play mode, the sound switch, the exit door.
# region FILE X Y: a fingerprint of the 32x32 control at (X, Y).
region() { convert "$1" -crop "32x32+$2+$3" -depth 8 rgb:- | md5sum; }
wait_for_rest "$E2E_TMP/before.png"
xdotool mousemove 76 738 click 1
wait_for_change "$E2E_TMP/before.png" "$E2E_TMP/after.png" 32x32+60+722 || fail "a click on the PatternType image did not select it"
xdotool mousemove 948 738 click 1 mousemove 500 300
wait_for_change "$E2E_TMP/before.png" "$E2E_TMP/after.png" 32x32+932+722 || fail "a click on the sound switch did not turn it"
[ "$(region "$E2E_TMP/before.png" 60 722)" != "$(region "$E2E_TMP/after.png" 60 722)" ] \
  || fail "a click on the PatternType image did not select it"
[ "$(region "$E2E_TMP/before.png" 16 722)" != "$(region "$E2E_TMP/after.png" 16 722)" ] \
  || fail "a click on the PatternType image left ClassicType selected"
[ "$(region "$E2E_TMP/before.png" 932 722)" != "$(region "$E2E_TMP/after.png" 932 722)" ] \
  || fail "a click on the sound switch did not turn it"
echo "ok: the play-mode images and the sound switch answer clicks"

click_exit_and_answer no
wait_for 5 dialog_gone || fail "No did not close the exit confirmation"
wait_for 5 window_active "$main" || fail "the main window is not active after No"
spy active _NET_ACTIVE_WINDOW # the confirmation was active while it was open
unchanged "after No in the exit confirmation"
send_key_combinations
expect_no_markers "after No in the exit confirmation"
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program ended with status $(cat "$E2E_TMP/status") after Yes"
grep -q '^\[Settings\]' "$folder/Kedoozle.ini" || fail "no settings written"
grep -q '^PlayMode=1' "$folder/Kedoozle.ini" || fail "the clicked play mode was not saved"
grep -q '^Sound=0' "$folder/Kedoozle.ini" || fail "the clicked sound switch was not saved"
echo "ok: the exit confirmation answers clicks; the clicked settings were saved"
send_key_combinations
expect_all_markers "after the confirmed exit"
xdotool mousemove 500 400 keydown alt click 5 keyup alt
wait_for 5 desktop_is 1 || fail "Alt+wheel does not switch the desktop after the program ended"
echo "ok: after the program ended, Alt+wheel switches the desktop again"
echo "PASS"
