# Shared helpers of the end-to-end tests: each test gets its own Xvfb display with openbox,
# a private copy of the program folder, and cleans up its own processes by PID.
set -euo pipefail

E2E_TMP=$(mktemp -d /tmp/kedoozle-e2e.XXXXXX)
E2E_PIDS=()
KD_PID=""

e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  sleep 0.2
  for pid in "${E2E_PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then import -window root "$E2E_TMP/failure.png" 2>/dev/null && \
    cp "$E2E_TMP/failure.png" "/tmp/$(basename "$0" .sh)-failure.png" 2>/dev/null || true; fi
  [ -f "$E2E_TMP/program.log" ] && tail -20 "$E2E_TMP/program.log" >&2
  exit 1
}

# start_x [WIDTHxHEIGHT] [openbox-config]: a fresh display with openbox on it. The server
# picks a free display number itself (-displayfd), so tests side by side never share one.
start_x() {
  local size=${1:-1024x768} config=${2:-} n=""
  : >"$E2E_TMP/display.num"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$E2E_TMP/display.num" \
    >"$E2E_TMP/xvfb.log" 2>&1 &
  E2E_PIDS+=($!)
  for _ in $(seq 100); do
    n=$(tr -dc '0-9' <"$E2E_TMP/display.num")
    [ -n "$n" ] && break; sleep 0.05
  done
  [ -n "$n" ] || fail "Xvfb did not start"
  export DISPLAY=":$n"
  if [ -n "$config" ]; then openbox --config-file "$config" >"$E2E_TMP/openbox.log" 2>&1 &
  else openbox >"$E2E_TMP/openbox.log" 2>&1 & fi
  E2E_PIDS+=($!)
  # The loops end as soon as things are up; their length only serves a heavily loaded machine.
  for _ in $(seq 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0; sleep 0.05
  done
  fail "openbox did not start"
}

# copy_program: a private copy of the ready program folder in $E2E_TMP/dist.
copy_program() {
  [ -x "${KD_DIST:?}/Kedoozle" ] || fail "no program at $KD_DIST"
  cp -r "$KD_DIST" "$E2E_TMP/dist"
  echo "$E2E_TMP/dist"
}

# start_program FOLDER [WORKDIR]: starts Kedoozle and waits for its main window; the title
# window is clicked away unless KD_KEEP_SPLASH=1.
start_program() {
  local folder=$1 workdir=${2:-$1}
  (cd "$workdir" && SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} exec "$folder/Kedoozle" \
     >"$E2E_TMP/program.log" 2>&1) &
  KD_PID=$!
  E2E_PIDS+=($KD_PID)
  wait_for_main_window
  sleep 0.5
}

# wait_for_main_window: waits for the program's main window; the title window is clicked
# away unless KD_KEEP_SPLASH=1.
wait_for_main_window() {
  wait_for_window Kedoozle || fail "the Kedoozle window did not appear"
  for _ in $(seq 100); do [ -n "$(screen_window)" ] && break; sleep 0.05; done
  [ -n "$(screen_window)" ] || fail "the main window did not appear"
  [ "${KD_KEEP_SPLASH:-0}" = 1 ] || dismiss_splash
}

# window_geometry ID: sets X Y WIDTH HEIGHT of the window's outer frame on the screen.
window_geometry() {
  eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print "X=" $4 } /Absolute upper-left Y/ { print "Y=" $4 }
                                    /Width:/ { print "WIDTH=" $2 } /Height:/ { print "HEIGHT=" $2 }')"
}

# screen_window / splash_window: the ids of Kedoozle's mapped window as large as the screen
# and of its 408x435 title window (empty when it is not up).
screen_window() { kd_window_sized "$(screen_size | tr ' ' x)"; }
splash_window() { kd_window_sized 408x435; }
kd_window_sized() {
  local id X Y WIDTH HEIGHT
  for id in $(xdotool search --onlyvisible --name '^Kedoozle$' 2>/dev/null); do
    window_geometry "$id"
    [ "${WIDTH}x$HEIGHT" = "$1" ] && { echo "$id"; return 0; }
  done
  return 0
}

# dismiss_splash: clicks the title window's frame, if it is up, and waits until it has gone.
dismiss_splash() {
  local id X Y WIDTH HEIGHT
  id=$(splash_window)
  [ -n "$id" ] || return 0
  window_geometry "$id"
  xdotool mousemove $((X + 1)) $((Y + 1)) click 1
  for _ in $(seq 50); do [ -z "$(splash_window)" ] && return 0; sleep 0.05; done
  fail "the title window did not go when clicked"
}

wait_for_window() {
  local name=$1
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name "^$name\$" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# program_alive: whether the started program still runs.
# other_client_grab keyboard|pointer: the status another client's grab of the keyboard or the
# pointer gets now (0: it got it, so nobody held it; 1: somebody holds it); it lets go at once.
other_client_grab() {
  python3 "$(dirname "${BASH_SOURCE[0]}")/keyboard_grabber.py" 0 "$1" | awk '$1 == "grab" { print $2 }'
}

program_alive() { kill -0 "$KD_PID" 2>/dev/null; }

# program_exit_status SECONDS: waits for the program to end and prints its exit status, also
# a failing one, or "timeout". Call it outside $(...), so that `wait` runs in the shell that
# started the program: program_exit_status 10 >FILE.
program_exit_status() {
  local seconds=${1:-10} status=0
  for _ in $(seq $((seconds * 10))); do
    if ! program_alive; then
      wait "$KD_PID" 2>/dev/null || status=$?
      echo "$status"
      return 0
    fi
    sleep 0.1
  done
  echo timeout
}

screenshot() { import -window root "$1"; }

# pixel FILE X Y: the pixel as "r,g,b".
pixel() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -1 | sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}

# screen_size: "W H" of the display.
screen_size() { xdpyinfo | awk '/dimensions:/ { split($2, s, "x"); print s[1], s[2] }'; }

# dialog_window: the newest window named Kedoozle that is neither the main window nor the
# title window.
dialog_window() {
  local main splash id
  main=$(screen_window)
  splash=$(splash_window)
  for id in $(xdotool search --onlyvisible --name '^Kedoozle$'); do
    if [ "$id" != "$main" ] && [ "$id" != "$splash" ]; then echo "$id"; fi
  done | tail -1
}

# answer_confirmation DIALOG yes|no: clicks Yes or No in the exit confirmation.
answer_confirmation() {
  local dialog=$1 answer=$2 X Y
  X=$(xwininfo -id "$dialog" | awk '/Absolute upper-left X/ { print $4 }')
  Y=$(xwininfo -id "$dialog" | awk '/Absolute upper-left Y/ { print $4 }')
  # Yes lies at (80, 68) and No at (164, 68) in the window, both 75x25.
  if [ "$answer" = yes ]; then xdotool mousemove $((X + 117)) $((Y + 80)) click 1
  else xdotool mousemove $((X + 201)) $((Y + 80)) click 1; fi
}

# click_exit_and_answer yes|no: clicks the exit door, then answers the confirmation.
click_exit_and_answer() {
  local answer=$1 w h dialog=""
  read -r w h < <(screen_size)
  xdotool mousemove $((w - 4 - 148 + 108 + 16)) $((h - 50 + 4 + 16)) click 1
  for _ in $(seq 50); do
    dialog=$(dialog_window)
    [ -n "$dialog" ] && break; sleep 0.1
  done
  [ -n "$dialog" ] || fail "the exit confirmation did not appear"
  sleep 0.4
  answer_confirmation "$dialog" "$answer"
}
