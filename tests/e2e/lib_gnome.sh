# Helpers of the end-to-end tests under a headless gnome-shell on Wayland: the shell on buses
# of the test's own (a session bus, and a stand-in for the system bus that the shell insists
# on reaching), keys through mutter's remote desktop interface, and the shell's own view of
# the overview and of which window has the keyboard (tests/e2e/gnome_shell.py). Settings live
# in memory, so each run starts from the desktop's defaults: the permission question comes at
# every start, and Super+Escape gives the shortcuts back. Source lib.sh first.

GNOME_DIR="$E2E_TMP/gnome"
GNOME_ENV=()
GNOME_TOOL=(/usr/bin/python3 "${KD_SOURCE:?}/tests/e2e/gnome_shell.py")

# as_gnome CMD...: runs CMD in the shell's session.
as_gnome() { env "${GNOME_ENV[@]}" "$@"; }
gnome_() { as_gnome "${GNOME_TOOL[@]}" "$@"; }

# start_gnome: the shell with one 1024x768 virtual monitor, without X, its start-up overview
# closed.
start_gnome() {
  local bus
  command -v gnome-shell >/dev/null || fail "gnome-shell is not installed (scripts/bootstrap)"
  mkdir -p "$GNOME_DIR/run" "$GNOME_DIR/home"
  chmod 700 "$GNOME_DIR/run"
  for bus in session system; do
    dbus-daemon --session --nofork --address="unix:path=$GNOME_DIR/$bus.bus" >>"$E2E_TMP/dbus.log" 2>&1 &
    E2E_PIDS+=($!)
  done
  GNOME_ENV=(XDG_RUNTIME_DIR="$GNOME_DIR/run" HOME="$GNOME_DIR/home" GSETTINGS_BACKEND=memory
             DBUS_SESSION_BUS_ADDRESS="unix:path=$GNOME_DIR/session.bus"
             DBUS_SYSTEM_BUS_ADDRESS="unix:path=$GNOME_DIR/system.bus" NO_AT_BRIDGE=1
             WAYLAND_DISPLAY=wayland-kd)
  wait_for 10 test -S "$GNOME_DIR/system.bus" || fail "no D-Bus daemon"
  (exec env "${GNOME_ENV[@]}" gnome-shell --headless --wayland --no-x11 --virtual-monitor 1024x768 \
    --wayland-display=wayland-kd >"$E2E_TMP/gnome.log" 2>&1) &
  E2E_PIDS+=($!)
  wait_for 30 gnome_overview_known || { tail "$E2E_TMP/gnome.log" >&2; fail "gnome-shell did not start"; }
  mkfifo "$GNOME_DIR/keys"
  GNOME_ENV+=(KD_GNOME_KEYS="$GNOME_DIR/keys")
  (exec env "${GNOME_ENV[@]}" "${GNOME_TOOL[@]}" keyboard "$GNOME_DIR/keys" 2>>"$E2E_TMP/keyboard.log") &
  E2E_PIDS+=($!)
  wait_for 10 grep -q ready "$GNOME_DIR/keys.done" 2>/dev/null || fail "no remote keyboard"
  # The shell starts in the overview; Escape closes it.
  wait_for 10 gnome_overview_shown || true
  gnome_ keys esc
  wait_for 10 gnome_overview_hidden || fail "the start-up overview did not close"
}
gnome_overview_known() { gnome_ overview >/dev/null 2>&1; }
gnome_overview_shown() { [ "$(gnome_ overview 2>/dev/null)" = true ]; }
gnome_overview_hidden() { [ "$(gnome_ overview 2>/dev/null)" = false ]; }
gnome_focus() { gnome_ focus 2>/dev/null; }
gnome_focus_is() { [ "$(gnome_focus)" = "$1" ]; }

# expect_no_overview WHEN: Super, pressed alone, does not open the overview. The shell opens it
# within a frame or two of the key's release, so a second without it proves it.
expect_no_overview() {
  gnome_ keys super
  ! wait_for 1 gnome_overview_shown || fail "$1: Super opened the overview"
}
# expect_overview WHEN: Super opens the overview; then it is closed again (Super while it
# still slides in is not taken, so it is pressed until the overview goes).
expect_overview() {
  gnome_ keys super
  wait_for 3 gnome_overview_shown || fail "$1: Super did not open the overview"
  close_overview
}
close_overview() {
  local _
  for _ in 1 2 3 4 5; do
    gnome_ keys super
    wait_for 1 gnome_overview_hidden && return 0
  done
  fail "the overview did not close"
}

# start_gnome_program FOLDER [VAR=VALUE...]: starts Kedoozle in the session, as a Wayland client.
start_gnome_program() {
  local folder=$1
  shift
  (exec env "${GNOME_ENV[@]}" SDL_AUDIODRIVER=dummy "$@" "$folder/Kedoozle" >"$E2E_TMP/program.log" 2>&1) &
  KD_PID=$!
  E2E_PIDS+=($KD_PID)
  wait_for 15 gnome_focus_is Kedoozle || fail "the Kedoozle window did not get the keyboard"
}

# gnome_screenshot FILE
gnome_screenshot() { gnome_ screenshot "$1"; }

# wait_for_log TEXT SECONDS: whether the program wrote TEXT within the time.
wait_for_log() { wait_for "$2" grep -q "$1" "$E2E_TMP/program.log"; }

# The shell's permission question, as it looks: a dark grey box in the middle of the screen.
gnome_question_shown() {
  gnome_ screenshot "$E2E_TMP/question.png" 2>/dev/null || return 1
  [ "$(convert "$E2E_TMP/question.png" -format "%[pixel:p{300,300}] %[pixel:p{511,290}] %[pixel:p{700,440}]" info:)" \
    = "srgba(48,48,48,1) srgba(48,48,48,1) srgba(48,48,48,1)" ]
}
gnome_question_gone() { ! gnome_question_shown; }

# answer_questions KEY: answers each permission question that comes while the program starts
# with KEY (each of the program's windows that gets the keyboard is asked for: the title
# window and the main window); done once none has come for a few seconds.
answer_questions() {
  local _
  for _ in 1 2 3 4; do
    wait_for 4 gnome_question_shown || return 0
    gnome_ keys "$1"
    # The next window's question may follow at once, with the same look.
    wait_for 2 gnome_question_gone || true
  done
  fail "the permission question still shows after $1"
}

# pop_up_window TITLE: another client's window opens, as a program started meanwhile would.
pop_up_window() {
  (exec env "${GNOME_ENV[@]}" GDK_BACKEND=wayland /usr/bin/python3 "$KD_SOURCE/tests/e2e/popup_window.py" "$1" \
     >>"$E2E_TMP/popup.log" 2>&1) &
  POPUP_PID=$!
  E2E_PIDS+=($POPUP_PID)
}
