# Helpers of the end-to-end tests under a headless KWin on Wayland (kwin_wayland --virtual)
# with XWayland: the compositor on a session bus of the test's own, keys through its
# fake-input protocol (the kwin_keys tool), and a KWin script whose shortcuts (Meta+A) write
# a line to the compositor's log when they act. Source lib.sh first.

KWIN_DIR="$E2E_TMP/kwin"
KWIN_ENV=()
KWIN_KEYS_TOOL="${KD_BUILD:?}/tests/e2e/pointer/kwin_keys"

# start_kwin: the compositor with one 1024x768 output, XWayland, the keyboard and the script.
start_kwin() {
  command -v kwin_wayland >/dev/null || fail "kwin_wayland is not installed (scripts/bootstrap)"
  [ -x "$KWIN_KEYS_TOOL" ] || fail "no $KWIN_KEYS_TOOL (plasma-wayland-protocols is needed to build it)"
  mkdir -p "$KWIN_DIR/run" "$KWIN_DIR/home" "$KWIN_DIR/bin"
  chmod 700 "$KWIN_DIR/run"
  # The installed compositor carries a file capability, which a container may refuse to
  # execute; a copy has none. It must keep its name: KWin finds its own platform by it.
  cp "$(command -v kwin_wayland)" "$KWIN_DIR/bin/kwin_wayland"
  dbus-daemon --session --nofork --address="unix:path=$KWIN_DIR/session.bus" >>"$E2E_TMP/dbus.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_for 10 test -S "$KWIN_DIR/session.bus" || fail "no D-Bus daemon"
  KWIN_ENV=(XDG_RUNTIME_DIR="$KWIN_DIR/run" HOME="$KWIN_DIR/home"
            DBUS_SESSION_BUS_ADDRESS="unix:path=$KWIN_DIR/session.bus")
  printf '#!/bin/sh\nenv >"%s/session.env.part" && mv "%s/session.env.part" "%s/session.env"\n' \
    "$KWIN_DIR" "$KWIN_DIR" "$KWIN_DIR" >"$KWIN_DIR/session.sh"
  chmod +x "$KWIN_DIR/session.sh"
  # The fake-input protocol is for trusted clients only; the test's own keyboard is one.
  (exec env -u DISPLAY -u WAYLAND_DISPLAY "${KWIN_ENV[@]}" KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 \
     QT_LOGGING_RULES="kwin_scripting=true" "$KWIN_DIR/bin/kwin_wayland" --virtual --xwayland \
     --socket wayland-kd --width 1024 --height 768 "$KWIN_DIR/session.sh" >"$E2E_TMP/kwin.log" 2>&1) &
  E2E_PIDS+=($!)
  wait_for 30 test -s "$KWIN_DIR/session.env" || { tail "$E2E_TMP/kwin.log" >&2; fail "KWin did not start"; }
  KWIN_ENV+=($(grep -E '^(WAYLAND_DISPLAY|DISPLAY)=' "$KWIN_DIR/session.env"))
  cat >"$KWIN_DIR/marker.js" <<'SCRIPT'
registerShortcut("kdMetaA", "Meta+A marker", "Meta+A", function() { print("kd-shortcut meta_a"); });
workspace.clientActivated.connect(function(client) { print("kd-active " + (client ? client.caption : "")); });
SCRIPT
  as_kwin gdbus call --session -d org.kde.KWin -o /Scripting -m org.kde.kwin.Scripting.loadScript \
    "$KWIN_DIR/marker.js" kdmarker >/dev/null || fail "KWin did not load the marker script"
  as_kwin gdbus call --session -d org.kde.KWin -o /Scripting -m org.kde.kwin.Scripting.start >/dev/null
  mkfifo "$KWIN_DIR/keys"
  (exec env "${KWIN_ENV[@]}" "$KWIN_KEYS_TOOL" "$KWIN_DIR/keys" 2>>"$E2E_TMP/keyboard.log") &
  E2E_PIDS+=($!)
  wait_for 10 grep -q ready "$KWIN_DIR/keys.done" 2>/dev/null || fail "no fake-input keyboard"
}

as_kwin() { env "${KWIN_ENV[@]}" "$@"; }

# kwin_keys TOKEN...: keys on the test's keyboard (see kwin_keys.c), back once pressed.
kwin_keys() {
  local before
  before=$(wc -l <"$KWIN_DIR/keys.done")
  # Without a reader (the keyboard gone) the FIFO would block for good.
  timeout 10 sh -c 'echo "$1" >"$2"' _ "$*" "$KWIN_DIR/keys" || fail "the keyboard is gone"
  wait_for 30 kwin_keys_done "$before" || fail "the keyboard did not press $*"
}
kwin_keys_done() { [ "$(wc -l <"$KWIN_DIR/keys.done")" -gt "$1" ]; }

kwin_markers() { grep -c "kd-shortcut meta_a" "$E2E_TMP/kwin.log" || true; }
# expect_shortcut WHEN: Meta+A acts.
expect_shortcut() {
  local before
  before=$(kwin_markers)
  kwin_keys +super a -super
  wait_for 3 kwin_markers_above "$before" || fail "$1: Meta+A did not act"
}
kwin_markers_above() { [ "$(kwin_markers)" -gt "$1" ]; }
# expect_no_shortcut WHEN: Meta+A does not act. KWin runs a shortcut as it handles the key, so
# half a second without its line proves it.
expect_no_shortcut() {
  local before
  before=$(kwin_markers)
  kwin_keys +super a -super
  ! wait_for 0.5 kwin_markers_above "$before" || fail "$1: Meta+A acted"
}

# start_kwin_program FOLDER [VAR=VALUE...]: starts Kedoozle in the session and waits until it
# has drawn its window.
start_kwin_program() {
  local folder=$1
  shift
  : >"$E2E_TMP/program.log"
  (exec env "${KWIN_ENV[@]}" SDL_AUDIODRIVER=dummy "$@" "$folder/Kedoozle" >"$E2E_TMP/program.log" 2>&1) &
  KD_PID=$!
  E2E_PIDS+=($KD_PID)
}

# kwin_active_is CAPTION: whether the window last given the keyboard has this caption (KWin
# numbers windows of the same caption: "Kedoozle <2>").
kwin_active_is() {
  local last
  last=$(grep -o "kd-active .*" "$E2E_TMP/kwin.log" | tail -1)
  [ "$last" = "kd-active $1" ] || [[ "$last" == "kd-active $1 <"* ]]
}

# wait_for_log TEXT SECONDS: whether the program wrote TEXT within the time.
wait_for_log() { wait_for "$2" grep -q "$1" "$E2E_TMP/program.log"; }

# pop_up_window TITLE: another client's window opens, as a program started meanwhile would.
pop_up_window() {
  (exec env "${KWIN_ENV[@]}" GDK_BACKEND=wayland /usr/bin/python3 "$KD_SOURCE/tests/e2e/popup_window.py" "$1" \
     >>"$E2E_TMP/popup.log" 2>&1) &
  POPUP_PID=$!
  E2E_PIDS+=($POPUP_PID)
}
