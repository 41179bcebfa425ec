# Helpers of the key-lock tests: an openbox configuration whose key bindings each leave a
# marker file, so a test can tell which bindings acted. Needs lib.sh first.

# name|openbox key|xdotool key: the combinations a child's hands are likely to hit, each
# bound by the window manager.
KEY_COMBINATIONS=(
  "super|Super_L|super"
  "super-a|W-a|super+a"
  "alt-tab|A-Tab|alt+Tab"
  "alt-f4|A-F4|alt+F4"
  "ctrl-esc|C-Escape|ctrl+Escape"
  "alt-f2|A-F2|alt+F2"
  "ctrl-alt-t|C-A-t|ctrl+alt+t"
  "print|Print|Print"
)
MARKERS="$E2E_TMP/markers"

# start_x in lib.sh already lets the server pick a free display.
start_x_unique() { start_x "$@"; }

# write_key_config FILE: an openbox rc.xml binding each combination to `touch marker-NAME`.
write_key_config() {
  local file=$1 entry name key
  mkdir -p "$MARKERS"
  {
    echo '<?xml version="1.0" encoding="UTF-8"?>'
    echo '<openbox_config xmlns="http://openbox.org/3.4/rc">'
    echo '  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>'
    echo '  <keyboard>'
    for entry in "${KEY_COMBINATIONS[@]}"; do
      IFS='|' read -r name key _ <<<"$entry"
      echo "    <keybind key=\"$key\"><action name=\"Execute\"><command>touch $MARKERS/marker-$name</command></action></keybind>"
    done
    echo '  </keyboard>'
    echo '</openbox_config>'
  } >"$file"
}

clear_markers() { rm -f "$MARKERS"/marker-*; }

# send_key_combinations: presses every combination once, as a keyboard would.
send_key_combinations() {
  local entry keys=()
  for entry in "${KEY_COMBINATIONS[@]}"; do keys+=("${entry##*|}"); done
  xdotool key --delay 60 "${keys[@]}"
}

# wait_for_key_bindings: presses the combinations until the window manager acts on them (it
# takes its key grabs a moment after it announces itself), then clears the markers.
wait_for_key_bindings() {
  for _ in $(seq 10); do
    send_key_combinations
    wait_for 1 any_marker && break
  done
  any_marker || fail "the window manager's bindings do not act even without the program"
  # The last round's markers may still be on their way.
  wait_for 5 all_markers || true
  clear_markers
}
any_marker() { [ -n "$(markers_present)" ]; }

# markers_present: the names of the combinations whose marker exists.
markers_present() {
  local entry name
  for entry in "${KEY_COMBINATIONS[@]}"; do
    IFS='|' read -r name _ _ <<<"$entry"
    [ -e "$MARKERS/marker-$name" ] && echo "$name"
  done
  return 0
}

# expect_no_markers WHEN / expect_all_markers WHEN: checks after send_key_combinations.
expect_no_markers() {
  local present
  # Nothing shows that a binding will not act but time: the window manager runs a binding's
  # command within a few tens of milliseconds of the key, so half a second without a marker
  # proves it did not get the keys. Callers that can first see the keys arrive (a drawing)
  # do so.
  sleep 0.5
  present=$(markers_present | tr '\n' ' ')
  [ -z "$present" ] || fail "$1: the window manager acted on: $present"
  echo "ok: $1: no binding acted"
}

expect_all_markers() {
  wait_for 10 all_markers || fail "$1: bindings did not act:$(missing_markers)"
  echo "ok: $1: every binding acted"
}

all_markers() { [ -z "$(missing_markers)" ]; }
missing_markers() {
  local entry name
  for entry in "${KEY_COMBINATIONS[@]}"; do
    IFS='|' read -r name _ _ <<<"$entry"
    [ -e "$MARKERS/marker-$name" ] || echo -n " $name"
  done
  return 0
}

window_named() { xdotool search --name "^$1\$" >/dev/null 2>&1; }

# main_window: the id of Kedoozle's main window: of its mapped windows the one as large as
# the screen (Qt also keeps an unmapped leader window of the same name).
main_window() {
  local id w h WIDTH HEIGHT X Y SCREEN WINDOW
  read -r w h < <(screen_size)
  for id in $(xdotool search --onlyvisible --name '^Kedoozle$'); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" = "$w" ] && [ "$HEIGHT" = "$h" ] && { echo "$id"; return 0; }
  done
  return 0
}

# open_exit_confirmation: clicks the exit door and waits until the confirmation is the active
# window; prints its id.
open_exit_confirmation() {
  open_exit_dialog
  wait_for 5 window_active "$EXIT_DIALOG" || fail "the exit confirmation is not active"
  echo "$EXIT_DIALOG"
}

# steal_focus EXPECTED NAME: opens another program's window (xmessage titled NAME), which takes
# the focus, and checks that EXPECTED is the active window again within 500 ms and stays so.
# Leaves the xmessage open; its PID is in STEAL_PID.
steal_focus() {
  local expected=$1 name=$2 start back=""
  xmessage -name "$name" -title "$name" "a window that takes the focus" >/dev/null 2>&1 &
  STEAL_PID=$!
  E2E_PIDS+=($STEAL_PID)
  wait_for 5 window_named "$name" || fail "xmessage did not open"
  start=$(date +%s%N)
  while [ $(( ($(date +%s%N) - start) / 1000000 )) -lt 2000 ]; do
    if [ "$(xdotool getactivewindow 2>/dev/null)" = "$expected" ]; then
      back=$(( ($(date +%s%N) - start) / 1000000 )); break
    fi
    sleep 0.01
  done
  [ -n "$back" ] || fail "$name: the focus did not come back from another program"
  [ "$back" -le 500 ] || fail "$name: the focus came back only after $back ms"
  # That the focus stays can only be shown by time passing: a window manager that gives the
  # new window the focus once more does so within a few tenths of a second.
  sleep 0.5
  [ "$(xdotool getactivewindow)" = "$expected" ] || fail "$name: the focus was lost again"
  echo "ok: $name: focus back ${back} ms after another program opened a window"
}


# write_stock_config FILE: the distribution's stock openbox configuration, with its mouse
# bindings as they come, 4 desktops, and the key bindings replaced by the marker bindings.
write_stock_config() {
  local file=$1 stock=/etc/xdg/openbox/rc.xml
  [ -f "$stock" ] || fail "no stock openbox configuration at $stock"
  write_key_config "$E2E_TMP/keys.xml"
  python3 - "$stock" "$E2E_TMP/keys.xml" "$file" <<'PY'
import re, sys
stock = open(sys.argv[1]).read()
keys = re.search(r"<keyboard>.*</keyboard>", open(sys.argv[2]).read(), re.S).group(0)
stock = re.sub(r"<keyboard>.*</keyboard>", lambda _: keys, stock, count=1, flags=re.S)
stock = re.sub(r"(<desktops>.*?<number>)\d+(</number>)", r"\g<1>4\g<2>", stock, count=1, flags=re.S)
open(sys.argv[3], "w").write(stock)
PY
}
