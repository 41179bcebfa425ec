#!/usr/bin/env bash
# Starting the program without a display, or where the toolkit cannot start, gives one line
# and status 1. A second start while one runs ends at once with status 0 and says so; the
# first keeps the keyboard and draws. Two started together leave exactly one running.
source "$(dirname "$0")/lib.sh"

export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
dist=$(copy_program)

# no_display LABEL ENV...: the program started with the environment changed as given.
no_display() {
  local label=$1 status=0
  shift
  (cd "$dist" && env "$@" "$dist/Kedoozle" >"$E2E_TMP/nodisplay.log" 2>&1) || status=$?
  [ "$status" = 1 ] || fail "$label: status $status, expected 1"
  [ "$(grep -c . "$E2E_TMP/nodisplay.log")" = 1 ] || { cat "$E2E_TMP/nodisplay.log" >&2; fail "$label: not one line"; }
  grep -q '^Kedoozle: ' "$E2E_TMP/nodisplay.log" || fail "$label: $(cat "$E2E_TMP/nodisplay.log")"
  echo "ok: $label: $(cat "$E2E_TMP/nodisplay.log")"
}
no_display "DISPLAY not set" -u DISPLAY -u WAYLAND_DISPLAY
free=99
while [ -e "/tmp/.X11-unix/X$free" ]; do free=$((free + 1)); done
no_display "no X server at :$free" -u WAYLAND_DISPLAY DISPLAY=":$free"
no_display "a toolkit platform that does not start" QT_QPA_PLATFORM=no-such-platform

surface="992x690+16+16"
# draws_on_key: a key press changes the play surface.
draws_on_key() {
  wait_for_rest "$E2E_TMP/before.png"
  xdotool key "$1"
  wait_for_change "$E2E_TMP/before.png" "$E2E_TMP/after.png" "$surface"
}

start_x 1024x768
start_program "$dist"
first=$KD_PID
start=$(date +%s%N)
status=0
(cd "$dist" && "$dist/Kedoozle" >"$E2E_TMP/second.log" 2>&1) || status=$?
elapsed=$((($(date +%s%N) - start) / 1000000))
[ "$status" = 0 ] || fail "the second start ended with status $status"
grep -q 'already running' "$E2E_TMP/second.log" || fail "the second start said: $(cat "$E2E_TMP/second.log")"
grep -q 'brought to the front' "$E2E_TMP/second.log" || fail "the running program did not answer"
[ "$elapsed" -lt 1000 ] || fail "the second start took $elapsed ms"
echo "ok: second start: status 0 after $elapsed ms: $(cat "$E2E_TMP/second.log")"
program_alive || fail "the first program ended"
draws_on_key a || fail "the first program does not draw after the second start"
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the first program did not end through Yes"

# Two started together: one runs, the other ends with status 0.
(cd "$dist" && exec "$dist/Kedoozle" >"$E2E_TMP/one.log" 2>&1) &
one=$!
(cd "$dist" && exec "$dist/Kedoozle" >"$E2E_TMP/two.log" 2>&1) &
two=$!
E2E_PIDS+=($one $two)
wait_for_main_window
alive=""
one_alive() {
  alive=""
  for pid in $one $two; do kill -0 "$pid" 2>/dev/null && alive="$alive $pid"; done
  [ "$(echo $alive | wc -w)" = 1 ]
}
wait_for 10 one_alive || fail "programs running after two starts:$alive"
for pid in $one $two; do
  [ " $pid" = "$alive" ] && continue
  status=0; wait "$pid" || status=$?
  [ "$status" = 0 ] || fail "the second of two ended with status $status"
done
grep -h 'already running' "$E2E_TMP/one.log" "$E2E_TMP/two.log" >/dev/null || fail "neither start said it was the second"
KD_PID=${alive# }
draws_on_key b || fail "the program that runs does not draw"
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end through Yes"
echo "ok: two started together leave one that plays"
