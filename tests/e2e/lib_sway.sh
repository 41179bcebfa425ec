# Helpers of the end-to-end tests under a real Wayland compositor: a headless sway with
# XWayland, key bindings that touch marker files, wtype for keys and a virtual pointer for
# clicks. sway refuses to run as root, so as root the compositor, the program and the tools
# run as an unprivileged user, in a folder that user owns. Source lib.sh first.

SWAY_DIR="$E2E_TMP/sway"
SWAY_MARKERS="$SWAY_DIR/markers"
SWAY_W=1024
SWAY_H=768
SWAY_ENV=()
SWAY_AS=()
POINTER_TOOL="${KD_BUILD:?}/tests/e2e/pointer/wayland_pointer"

if [ "$(id -u)" -eq 0 ]; then
  SWAY_AS=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

# as_user CMD...: runs CMD as the compositor's user, in its session.
as_user() {
  "${SWAY_AS[@]}" env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$SWAY_DIR" XDG_RUNTIME_DIR="$SWAY_DIR/run" \
    "${SWAY_ENV[@]}" "$@"
}

# start_sway [CONFIG-LINE...]: a headless sway with one 1024x768 output, XWayland and the
# marker bindings, plus any extra configuration lines.
start_sway() {
  local line
  chmod 755 "$E2E_TMP"
  mkdir -p "$SWAY_DIR/run" "$SWAY_MARKERS"
  [ ${#SWAY_AS[@]} -eq 0 ] || chown -R nobody:nogroup "$SWAY_DIR"
  chmod 700 "$SWAY_DIR/run"
  {
    echo "output HEADLESS-1 resolution ${SWAY_W}x${SWAY_H} position 0 0"
    echo "xwayland enable"
    echo "bindsym Mod4+a exec touch $SWAY_MARKERS/super_a"
    echo "bindsym Mod1+Tab exec touch $SWAY_MARKERS/alt_tab"
    echo "bindsym Ctrl+Escape exec touch $SWAY_MARKERS/ctrl_escape"
    echo "bindsym Mod4+Return exec touch $SWAY_MARKERS/super_return"
    echo "bindsym Mod1+F4 exec touch $SWAY_MARKERS/alt_f4"
    for line in "$@"; do echo "$line"; done
    # The session's variables, for the tools started from here.
    echo "exec env > $SWAY_DIR/session.env"
  } >"$E2E_TMP/sway.conf"
  chmod 644 "$E2E_TMP/sway.conf"
  "${SWAY_AS[@]}" env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$SWAY_DIR" XDG_RUNTIME_DIR="$SWAY_DIR/run" \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$E2E_TMP/sway.conf" >"$E2E_TMP/sway.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_for 10 grep -q '^SWAYSOCK=' "$SWAY_DIR/session.env" 2>/dev/null || { tail "$E2E_TMP/sway.log" >&2; fail "sway did not start"; }
  SWAY_ENV=($(grep -E '^(WAYLAND_DISPLAY|SWAYSOCK|DISPLAY)=' "$SWAY_DIR/session.env"))
}

swaymsg_() { as_user swaymsg "$@"; }

# The bindings, each pressed as a parent's or a child's fingers would.
send_sway_combinations() {
  as_user wtype -M logo -s 150 a -s 150 -m logo
  as_user wtype -M alt -s 150 -k Tab -s 150 -m alt
  as_user wtype -M ctrl -s 150 -k Escape -s 150 -m ctrl
  as_user wtype -M logo -s 150 -k Return -s 150 -m logo
  as_user wtype -M alt -s 150 -k F4 -s 150 -m alt
}

sway_markers() { ls "$SWAY_MARKERS" | tr '\n' ' '; }
sway_marker_count() { ls "$SWAY_MARKERS" | wc -l; }
all_sway_markers() { [ "$(sway_marker_count)" = 5 ]; }
clear_sway_markers() { rm -f "$SWAY_MARKERS"/*; }
expect_sway_markers() {
  wait_for 10 all_sway_markers || fail "$1: only $(sway_marker_count) of 5 bindings acted ($(sway_markers))"
}
expect_no_sway_markers() {
  # Only time shows that a binding does not act: the compositor runs a binding's command
  # within a few tens of milliseconds of the key, so half a second without a marker proves it.
  sleep 0.5
  [ -z "$(sway_markers)" ] || fail "$1: bindings acted: $(sway_markers)"
}

# Positive control: without the program every binding acts. The keyboard appears with the
# first key tool, so the first round may be lost.
sway_control() {
  for _ in 1 2 3 4 5; do
    send_sway_combinations
    wait_for 1 all_sway_markers && break
  done
  expect_sway_markers "before the program runs"
  clear_sway_markers
}

# sway_tree JQ-FILTER: the filter applied to every window of the layout tree.
sway_tree() {
  swaymsg_ -t get_tree | jq -c "[.. | objects | select(.type? == \"con\" or .type? == \"floating_con\")
    | select(.name? != null and .pid? != null)] | map($1)"
}

# start_sway_program FOLDER [VAR=VALUE...]: starts Kedoozle as the compositor's user and waits
# until its window is full-screen.
start_sway_program() {
  local folder=$1 state
  shift
  (exec "${SWAY_AS[@]}" env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$SWAY_DIR" XDG_RUNTIME_DIR="$SWAY_DIR/run" \
     "${SWAY_ENV[@]}" SDL_AUDIODRIVER=dummy "$@" "$folder/Kedoozle" >"$E2E_TMP/program.log" 2>&1) &
  KD_PID=$!
  E2E_PIDS+=($KD_PID)
  SWAY_PROGRAM_SHELL=""
  wait_for 10 sway_program_up || fail "the Kedoozle window did not come up full-screen"
  wait_for 10 sway_program_focused || fail "the Kedoozle window did not get the keyboard"
  E2E_SHOT=sway_screenshot wait_for_rest "$E2E_TMP/started.png" || fail "the Kedoozle window did not finish drawing"
}
sway_program_up() {
  SWAY_PROGRAM_SHELL=$(sway_tree 'select(.name == "Kedoozle" and .fullscreen_mode == 1) | .shell' | jq -r '.[0] // empty')
  [ -n "$SWAY_PROGRAM_SHELL" ]
}
sway_program_focused() {
  [ "$(sway_tree 'select(.focused == true) | .name' | jq -r '.[0] // empty')" = Kedoozle ]
}

# copy_sway_program: a private copy of the program folder that the compositor's user owns.
copy_sway_program() {
  [ -x "${KD_DIST:?}/Kedoozle" ] || fail "no program at $KD_DIST"
  cp -r "$KD_DIST" "$SWAY_DIR/dist"
  [ ${#SWAY_AS[@]} -eq 0 ] || chown -R nobody:nogroup "$SWAY_DIR/dist"
  echo "$SWAY_DIR/dist"
}

sway_screenshot() { as_user grim "$SWAY_DIR/shot.png" && cp "$SWAY_DIR/shot.png" "$1"; }

# pixels_differ A B: how many pixels differ between two screenshots.
pixels_differ() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }

# sway_click X Y: a left click at the position.
# The new pointer's first position did not always count as a move inside an XWayland window,
# and such a window then missed the click; a one-pixel move before the click makes sure.
# The positions are in the layout of all outputs, SWAY_LAYOUT_W x SWAY_LAYOUT_H (the first
# output's size unless a test adds outputs).
sway_click() {
  as_user "$POINTER_TOOL" "${SWAY_LAYOUT_W:-$SWAY_W}" "${SWAY_LAYOUT_H:-$SWAY_H}" move "$1" "$2" sleep 100 move $(($1 + 1)) "$2" sleep 150 click
}

# sway_open_exit_confirmation: clicks the exit door and waits for the confirmation; its
# client area's upper-left corner and height go to SWAY_DIALOG ("X Y HEIGHT").
sway_open_exit_confirmation() {
  SWAY_DIALOG=""
  sway_click $((SWAY_W - 28)) $((SWAY_H - 30))
  # The window waits two seconds for a window manager's frame, which a Wayland compositor
  # never reports, before it takes its full size, 128 high.
  wait_for 10 sway_dialog_full || fail "the exit confirmation did not appear at its full size ('$SWAY_DIALOG')"
}
sway_dialog_full() {
  SWAY_DIALOG=$(sway_tree 'select(.name == "Kedoozle" and .fullscreen_mode == 0)
    | "\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y) \(.window_rect.height)"' | jq -r '.[0] // empty')
  [ "${SWAY_DIALOG##* }" = 128 ]
}

sway_dialog_up() { [ -n "$(sway_tree 'select(.name == "Kedoozle" and .fullscreen_mode == 0) | .name' | jq -r '.[0] // empty')" ]; }
sway_dialog_gone() { ! sway_dialog_up; }

# sway_leave_through_yes: the parent's way out, the door and then Yes. A confirmation still
# up from before (it answers No by itself after ten seconds) is first answered No by a click
# on the play surface.
sway_leave_through_yes() {
  if sway_dialog_up; then
    sway_click 40 40
    wait_for 5 sway_dialog_gone || fail "a click outside the exit confirmation did not answer it"
  fi
  sway_open_exit_confirmation
  sway_answer yes
}

# sway_answer yes|no: clicks No in the open confirmation, or holds Yes down for a second,
# longer than its face takes to fill, and lets go.
sway_answer() {
  local x y h
  read -r x y h <<<"$SWAY_DIALOG"
  # Yes and No, both 75x25, lie 80 and 164 pixels from the left and 34 from the bottom; the
  # compositor draws the title bar outside the window.
  if [ "$1" = yes ]; then
    as_user "$POINTER_TOOL" "${SWAY_LAYOUT_W:-$SWAY_W}" "${SWAY_LAYOUT_H:-$SWAY_H}" \
      move $((x + 117)) $((y + h - 22)) sleep 100 move $((x + 118)) $((y + h - 22)) sleep 150 down sleep 1000 up
  else sway_click $((x + 201)) $((y + h - 22)); fi
}
