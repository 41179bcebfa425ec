# Helpers of the tests that need several monitors or the server's own keys: a headless Xorg
# with the dummy driver (Xvfb has neither separate monitors nor a server-kill key). Needs
# lib.sh first.

# start_xorg: a fresh Xorg display with one 1024x768 monitor (DUMMY0) and openbox on it.
# Ctrl+Alt+Backspace ends this server when its keymap carries the server-kill key.
start_xorg() {
  cat >"$E2E_TMP/xorg.conf" <<'CONF'
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "DontVTSwitch" "true"
  Option "DontZap" "false"
EndSection
Section "Monitor"
  Identifier "Monitor0"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Device"
  Identifier "Card0"
  Driver "dummy"
  VideoRam 256000
  Option "Monitor-DUMMY0" "Monitor0"
EndSection
Section "Screen"
  Identifier "Screen0"
  Device "Card0"
  Monitor "Monitor0"
  SubSection "Display"
    Depth 24
    Virtual 8192 4096
    Modes "1024x768"
  EndSubSection
EndSection
CONF
  : >"$E2E_TMP/display.num"
  Xorg -displayfd 3 -config "$E2E_TMP/xorg.conf" -noreset -nolisten tcp -novtswitch -sharevts \
    -logfile "$E2E_TMP/xorg.log" 3>"$E2E_TMP/display.num" >"$E2E_TMP/xorg.out" 2>&1 &
  E2E_PIDS+=($!)
  XORG_PID=$!
  wait_for 30 display_number_written || fail "Xorg did not start"
  export DISPLAY=":$(tr -dc '0-9' <"$E2E_TMP/display.num")"
  openbox >"$E2E_TMP/openbox.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_for 30 window_manager_up || fail "openbox did not start"
}

xorg_alive() { kill -0 "$XORG_PID" 2>/dev/null && xdpyinfo >/dev/null 2>&1; }

# add_monitor OUTPUT WIDTHxHEIGHT RIGHT-OF: switches a dummy output on beside another.
add_monitor() {
  xrandr --addmode "$1" "$2" 2>/dev/null || true
  xrandr --output "$1" --mode "$2" --right-of "$3"
}

remove_monitor() { xrandr --output "$1" --off; }

# monitors: one "WxH+X+Y" line per active monitor.
monitors() { xrandr --listmonitors | awk 'NR > 1 { print $3 }' | sed -E 's|/[0-9]+||g'; }

# cover_windows: the ids of the program's visible cover windows.
cover_windows() { xdotool search --onlyvisible --name '^Kedoozle cover$' 2>/dev/null || true; }

# window_area ID: "WxH+X+Y" of a window on the screen.
window_area() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
    /^ *Width/ { w = $2 } /^ *Height/ { h = $2 } END { print w "x" h "+" x "+" y }'
}

# keymap_dump FILE: the server's whole keymap as the keymap compiler writes it.
keymap_dump() { xkbcomp -xkb "$DISPLAY" "$1" 2>/dev/null; }

# server_keys_in FILE: how many keys of the dump's symbols carry a console-switch or the
# server-kill symbol.
server_keys_in() { awk '/^xkb_symbols/,0' "$1" | grep -c -E 'XF86Switch_VT_|Terminate_Server' || true; }
