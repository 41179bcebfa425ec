# Shared helpers of the end-to-end tests: each test gets its own Xvfb display with openbox,
# a private copy of the program folder, and cleans up its own processes by PID.
set -euo pipefail

# The tests look for the program's English window titles, whatever the desktop's language
# (languages_test.sh sets its own).
export LANGUAGE=en
E2E_TMP=$(mktemp -d /tmp/kedoozle-e2e.XXXXXX)
E2E_PIDS=()
KD_PID=""

e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait_for 2 pids_gone "${E2E_PIDS[@]}" || true
  for pid in "${E2E_PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

# pids_gone PID...: whether none of the processes runs any more.
pids_gone() {
  local pid
  for pid in "$@"; do kill -0 "$pid" 2>/dev/null && return 1; done
  return 0
}

# ms_now: milliseconds since the epoch.
ms_now() { echo $(( $(date +%s%N) / 1000000 )); }

# wait_for SECONDS CMD...: runs CMD every 50 ms until it succeeds; returns 1 if it has not by
# the deadline (SECONDS may have a fraction). A condition met ends the wait at once, so the
# deadlines are generous: they only serve a heavily loaded machine.
wait_for() {
  local deadline
  deadline=$(( $(ms_now) + $(awk -v s="$1" 'BEGIN { printf "%d", s * 1000 }') ))
  shift
  while true; do
    "$@" && return 0
    [ "$(ms_now)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

fail() {
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ]; then import -window root "$E2E_TMP/failure.png" 2>/dev/null && \
    cp "$E2E_TMP/failure.png" "/tmp/$(basename "$0" .sh)-failure.png" 2>/dev/null || true; fi
  [ -f "$E2E_TMP/program.log" ] && tail -20 "$E2E_TMP/program.log" >&2
  [ -s "$E2E_TMP/openbox.log" ] && tail -5 "$E2E_TMP/openbox.log" >&2
  exit 1
}

# start_x [WIDTHxHEIGHT] [openbox-config] [DEPTH]: a fresh display with openbox on it, 24 bits
# deep unless DEPTH says otherwise (8: a colour-map screen). The server
# picks a free display number itself (-displayfd), so tests side by side never share one.
# A display whose window manager cannot reach it (another server took over its number, as a
# server that was killed leaves its number behind) is given up for a fresh one.
start_x() {
  local attempt
  for attempt in 1 2 3; do
    start_x_once "$@" && return 0
    echo "note: display $DISPLAY or its window manager did not come up (attempt $attempt)" >&2
  done
  fail "openbox did not start"
}

start_x_once() {
  local size=${1:-1024x768} config=${2:-} depth=${3:-24} xvfb openbox
  : >"$E2E_TMP/display.num"
  Xvfb -displayfd 3 -screen 0 "${size}x$depth" -nolisten tcp 3>"$E2E_TMP/display.num" \
    >"$E2E_TMP/xvfb.log" 2>&1 &
  xvfb=$!
  E2E_PIDS+=($xvfb)
  wait_for 30 display_number_written || fail "Xvfb did not start"
  export DISPLAY=":$(tr -dc '0-9' <"$E2E_TMP/display.num")"
  if [ -n "$config" ]; then openbox --config-file "$config" >"$E2E_TMP/openbox.log" 2>&1 &
  else openbox >"$E2E_TMP/openbox.log" 2>&1 & fi
  openbox=$!
  E2E_PIDS+=($openbox)
  wait_for 30 window_manager_settled "$openbox" || true
  window_manager_up && return 0
  kill "$openbox" "$xvfb" 2>/dev/null || true
  return 1
}

# display_number_written [FILE]: whether the server has written its display number.
display_number_written() { [ -n "$(tr -dc '0-9' <"${1:-$E2E_TMP/display.num}")" ]; }
window_manager_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
# window_manager_settled PID: whether the window manager is up or its process PID has ended.
window_manager_settled() { window_manager_up || ! kill -0 "$1" 2>/dev/null; }

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
}

# wait_for_main_window: waits for the program's main window; the title window is clicked
# away unless KD_KEEP_SPLASH=1, and then the main window is waited for until it has the
# focus and has drawn itself, so that the keys and screenshots that follow meet it at play.
wait_for_main_window() {
  wait_for_window Kedoozle || fail "the Kedoozle window did not appear"
  wait_for 10 main_window_up || fail "the main window did not appear"
  [ "${KD_KEEP_SPLASH:-0}" = 1 ] && return 0
  dismiss_splash
  wait_for 10 main_window_active || fail "the main window did not get the focus"
  wait_for_rest "$E2E_TMP/started.png" || fail "the main window did not finish drawing"
}

window_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
main_window_up() { [ -n "$(screen_window)" ]; }
main_window_active() { local id; id=$(screen_window); [ -n "$id" ] && window_active "$id"; }

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
  wait_for 5 splash_gone || fail "the title window did not go when clicked"
}

splash_gone() { [ -z "$(splash_window)" ]; }

# wait_for_window NAME [SECONDS]: waits for a visible window of that name.
wait_for_window() { wait_for "${2:-30}" window_shown "$1"; }
window_shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# named_window TITLE: the id of the program's newest visible window titled exactly TITLE, by
# its UTF-8 name, read in a UTF-8 locale whatever the tests run in (xdotool's own name search
# misses titles such as "Über Kedoozle").
named_window() {
  local id
  for id in $(xdotool search --onlyvisible --name 'Kedoozle$' 2>/dev/null); do
    [ "$(LC_ALL=C.UTF-8 xprop -id "$id" _NET_WM_NAME 2>/dev/null)" = "_NET_WM_NAME(UTF8_STRING) = \"$1\"" ] && echo "$id"
  done | tail -1
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
  local status=0
  if wait_for "${1:-10}" program_gone; then
    wait "$KD_PID" 2>/dev/null || status=$?
    echo "$status"
  else
    echo timeout
  fi
}

program_gone() { ! program_alive; }

screenshot() { import -window root "$1"; }

# pixels_changed A B [WxH+X+Y]: how many pixels of the area (the whole picture if none is
# given) differ between two screenshots.
pixels_changed() {
  local area=()
  [ -z "${3:-}" ] || area=(-extract "$3")
  { compare -metric AE "${area[@]}" "$1" "$2" null: 2>&1 || true; } | awk '{ printf "%d\n", $1 }'
}

# wait_for_change BEFORE AFTER [AREA] [MIN] [SECONDS]: takes screenshots into AFTER until more
# than MIN (0) pixels of the area differ from BEFORE. Returns 1 at the deadline; AFTER then
# holds the last screenshot. E2E_SHOT names the screenshot command (screenshot by default).
wait_for_change() { wait_for "${5:-10}" shot_differs "$1" "$2" "${3:-}" "${4:-0}"; }
shot_differs() { "${E2E_SHOT:-screenshot}" "$2" && [ "$(pixels_changed "$1" "$2" "$3")" -gt "$4" ]; }

# wait_for_rest FILE [SECONDS]: takes screenshots into FILE until one is like the one before:
# the program has drawn all that it was going to. Returns 1 at the deadline.
wait_for_rest() {
  "${E2E_SHOT:-screenshot}" "$1"
  wait_for "${2:-10}" shot_still "$1"
}
shot_still() {
  local previous
  previous=$(pixels_hash "$1")
  "${E2E_SHOT:-screenshot}" "$1" && [ "$(pixels_hash "$1")" = "$previous" ]
}
pixels_hash() { convert "$1" rgb:- | md5sum; }

# wait_for_match BEFORE AFTER AREA [SECONDS]: takes screenshots into AFTER until the area is
# as in BEFORE (a window that went away has been drawn over). Returns 1 at the deadline.
wait_for_match() { wait_for "${4:-10}" shot_matches "$1" "$2" "$3"; }
shot_matches() { "${E2E_SHOT:-screenshot}" "$2" && [ "$(pixels_changed "$1" "$2" "$3")" = 0 ]; }

# wait_for_pixel FILE X Y R,G,B [SECONDS]: takes screenshots into FILE until the pixel has
# that colour. Returns 1 at the deadline.
wait_for_pixel() { wait_for "${5:-10}" shot_pixel "$@"; }
shot_pixel() { "${E2E_SHOT:-screenshot}" "$1" && [ "$(pixel "$1" "$2" "$3")" = "$4" ]; }

# surface_area: WxH+X+Y of the main window's play surface.
surface_area() { local w h; read -r w h < <(screen_size); echo "$((w - 32))x$((h - 78))+16+16"; }

# wait_for_drawing BEFORE AFTER [MIN] [SECONDS]: wait_for_change on the play surface.
wait_for_drawing() { wait_for_change "$1" "$2" "$(surface_area)" "${3:-0}" "${4:-10}"; }

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

# answer_confirmation DIALOG yes|no: answers the exit confirmation: clicks No, or holds Yes
# until its face has filled and lets go there.
answer_confirmation() {
  local x y
  read -r x y < <(exit_button_point "$1" "$2")
  if [ "$2" = yes ]; then hold_yes "$x" "$y"
  else xdotool mousemove "$x" "$y" click 1; fi
}

# hold_yes X Y: presses Yes at the point, keeps it down until its face has filled with purple
# up to its right end, and lets go.
hold_yes() {
  xdotool mousemove "$1" "$2" mousedown 1
  wait_for_pixel "$E2E_TMP/held.png" $(($1 + 33)) "$2" "$YES_FILLED" || { xdotool mouseup 1; fail "Yes did not fill while held"; }
  xdotool mouseup 1
}
YES_FILLED="102,51,153"

# exit_button_point DIALOG yes|no: the screen point in the middle of the button. The question
# panel (101 high) sits at the bottom of the client area; Yes at (80, 68), No at (164, 68), 75x25.
exit_button_point() {
  local X Y WIDTH HEIGHT left=80
  window_geometry "$1"
  [ "$2" = no ] && left=164
  echo "$((X + left + 37)) $((Y + HEIGHT - 101 + 68 + 12))"
}

# wait_for_lit_button DIALOG yes|no: moves the pointer onto the button and waits until its
# lower right corner turns black, the 3-D edge it shows under the pointer: the confirmation
# has then taken every event that came before the move.
wait_for_lit_button() {
  local x y
  read -r x y < <(exit_button_point "$1" "$2")
  xdotool mousemove "$x" "$y"
  wait_for_pixel "$E2E_TMP/lit.png" $((x - 37 + 74)) $((y - 12 + 24)) "0,0,0"
}

# outer_geometry WINDOW: "left top width height" of the window with the window manager's
# frame; nothing while the frame is not known.
outer_geometry() {
  local X Y WIDTH HEIGHT extents l r t b
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null) || return 0
  [[ "$extents" == *=* ]] || return 0
  read -r l r t b < <(sed -E 's/.*= //; s/,//g' <<<"$extents")
  window_geometry "$1"
  echo "$((X - l)) $((Y - t)) $((WIDTH + l + r)) $((HEIGHT + t + b))"
}

# open_exit_dialog: clicks the exit door and waits until the confirmation is up where it
# belongs: 256x128 with its frame, its lower right corner at the surface's width and height.
# It fits itself to the window manager's frame a moment after it maps; until then a click
# could miss its buttons. Sets EXIT_DIALOG to its id.
open_exit_dialog() {
  local w h
  read -r w h < <(screen_size)
  EXIT_DIALOG=""
  xdotool mousemove $((w - 4 - 148 + 108 + 16)) $((h - 50 + 4 + 16)) click 1
  wait_for 10 exit_dialog_up || fail "the exit confirmation did not appear"
  EXIT_DIALOG_PLACE="$((w - 32 - 256)) $((h - 78 - 128)) 256 128"
  wait_for 10 exit_dialog_placed ||
    fail "the exit confirmation stands at $(outer_geometry "$EXIT_DIALOG"), not $EXIT_DIALOG_PLACE"
}
exit_dialog_up() { EXIT_DIALOG=$(dialog_window); [ -n "$EXIT_DIALOG" ]; }
exit_dialog_placed() { [ "$(outer_geometry "$EXIT_DIALOG")" = "$EXIT_DIALOG_PLACE" ]; }
dialog_gone() { [ -z "$(dialog_window)" ]; }

# click_exit_and_answer yes|no: clicks the exit door, then answers the confirmation.
click_exit_and_answer() {
  open_exit_dialog
  answer_confirmation "$EXIT_DIALOG" "$1"
}

# leave_through_yes: the parent's way out, the door and then Yes. A confirmation still up
# from before (it answers No by itself after ten seconds) is first answered No by a click on
# the play surface, so that the way out starts afresh.
leave_through_yes() {
  if ! dialog_gone; then
    xdotool mousemove 40 40 click 1
    wait_for 5 dialog_gone || fail "a click outside the exit confirmation did not answer it"
  fi
  click_exit_and_answer yes
}
