#!/usr/bin/env bash
# A start while another client holds the keyboard: the window manager cycling windows (Alt
# still held after Alt+Tab) or its window menu open. The program must not play unlocked:
# Alt+F4 at any moment after the start never reaches the window manager, and the menu's Close
# cannot be clicked once the program is up. Besides, keys pressed while the program starts
# never reach the desktop once the program has its display connection.
source "$(dirname "$0")/lib.sh"

MARKERS="$E2E_TMP/markers"
mkdir -p "$MARKERS"
cat >"$E2E_TMP/rc.xml" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <keyboard>
    <keybind key="A-Tab"><action name="NextWindow"/></keybind>
    <keybind key="A-space"><action name="ShowMenu"><menu>client-menu</menu></action></keybind>
    <keybind key="A-F4"><action name="Execute"><command>touch $MARKERS/alt-f4</command></action></keybind>
    <keybind key="C-A-t"><action name="Execute"><command>touch $MARKERS/ctrl-alt-t</command></action></keybind>
  </keyboard>
</openbox_config>
XML
start_x 1024x768 "$E2E_TMP/rc.xml"
folder=$(copy_program)

# The parent's windows: two ordinary windows of another program.
for name in parent parent2; do
  xmessage -name "$name" -title "$name" "the parent's window" >/dev/null 2>&1 &
  E2E_PIDS+=($!)
done
wait_for 10 window_shown parent && wait_for 10 window_shown parent2 || fail "xmessage did not open"

marker() { [ -e "$MARKERS/$1" ]; }
others_hold_keyboard() { [ "$(other_client_grab keyboard)" = 1 ]; }
parents_open() { window_shown parent && window_shown parent2; }

# Control: without the program the bindings act.
both_markers() { marker alt-f4 && marker ctrl-alt-t; }
for _ in $(seq 20); do
  xdotool key alt+F4 ctrl+alt+t
  wait_for 1 both_markers && break
done
both_markers || fail "the window manager's bindings do not act even without the program"
rm -f "$MARKERS"/*

# launch: starts the program without waiting for anything.
launch() {
  (cd "$folder" && SDL_AUDIODRIVER=dummy exec "$folder/Kedoozle" >"$E2E_TMP/program.log" 2>&1) &
  KD_PID=$!
  E2E_PIDS+=($KD_PID)
}

stop_program() {
  kill "$KD_PID" 2>/dev/null || true
  [ "$(program_exit_status 10)" != timeout ] || fail "the program did not end on SIGTERM"
  xdotool keyup alt 2>/dev/null || true
}

# expect_nothing_acted WHEN: no Alt+F4 reached the window manager and both parent windows are
# still open. Only time shows that a binding did not act: the window manager runs a binding's
# command within a few tens of milliseconds of the key.
expect_nothing_acted() {
  sleep 0.5
  ! marker alt-f4 || fail "$1: Alt+F4 reached the window manager"
  parents_open || fail "$1: a parent's window was closed"
}

# (a) Alt+Tab pressed and Alt still held when the program starts; Alt+F4 some moments later.
for moment in 0.5 1 2 3.5 5; do
  xdotool keydown alt key Tab
  wait_for 5 others_hold_keyboard || fail "the window manager did not begin cycling on Alt+Tab"
  launch
  sleep "$moment"  # the moment of the key is the case under test
  xdotool key F4 keydown alt key F4
  expect_nothing_acted "Alt+Tab held at the start, Alt+F4 after $moment s"
  stop_program
  echo "ok: Alt+Tab held at the start, Alt+F4 after $moment s: nothing acted"
done

# (b) The window menu open when the program starts: its Close cannot be clicked.
viewable_children() {
  local id
  for id in $(xwininfo -root -children | awk '/^ +0x/ { print $1 }'); do
    xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && echo "$id"
  done
}
xdotool search --name '^parent2$' windowactivate --sync
before=$(viewable_children)
xdotool key alt+space
wait_for 5 others_hold_keyboard || fail "the window menu did not open"
menu=$(comm -13 <(sort <<<"$before") <(viewable_children | sort) | head -1)
[ -n "$menu" ] || fail "no menu window"
window_geometry "$menu"
# Close is the menu's last entry.
close_x=$((X + 40)) close_y=$((Y + HEIGHT - 9))
launch
wait_for 30 main_window_up || fail "the main window did not appear"
xdotool mousemove "$close_x" "$close_y" click 1 keydown alt key F4 keyup alt
expect_nothing_acted "the window menu open at the start"
stop_program
echo "ok: the window menu open at the start: its Close does nothing once the program is up"

# (c) Keys pressed from the moment the program has its display connection (a few milliseconds
# after its first socket opened, so that the connection's handshake is over), in a few starts.
hammer_ready() { grep -q '^ready' "$E2E_TMP/hammer.log"; }
for round in 1 2 3; do
  rm -f "$E2E_TMP/pid" "$E2E_TMP/stop"
  python3 "$(dirname "$0")/key_hammer.py" ctrl+alt+t "$E2E_TMP/pid" 10 "$E2E_TMP/stop" \
    >"$E2E_TMP/hammer.log" 2>&1 &
  hammer=$!
  E2E_PIDS+=($hammer)
  wait_for 10 hammer_ready || fail "the key presses did not start: $(cat "$E2E_TMP/hammer.log")"
  launch
  echo "$KD_PID" >"$E2E_TMP/pid"
  wait_for 30 main_window_up || fail "the main window did not appear"
  touch "$E2E_TMP/stop"
  wait "$hammer" || fail "the key presses did not run: $(cat "$E2E_TMP/hammer.log")"
  sleep 0.5  # as in expect_nothing_acted
  ! marker ctrl-alt-t || fail "start $round: a key pressed while the program started reached the window manager"
  stop_program
  echo "ok: start $round: $(awk '$1 == "presses" { print $2 }' "$E2E_TMP/hammer.log") key presses while the program started: none reached the window manager"
done

# Control: the bindings act again once the program has gone.
xdotool key alt+F4
wait_for 5 marker alt-f4 || fail "Alt+F4 does not act once the program has gone"
echo "PASS"
