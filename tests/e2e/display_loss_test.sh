#!/usr/bin/env bash
# The X server dies while the program is busy with a flood of key presses, ten times over: the
# program never crashes or aborts; it ends with status 1 and one line saying why, and the
# settings file holds what it held plus the play mode chosen before the server died.
source "$(dirname "$0")/lib.sh"

# A session's runtime folder, so that nothing but the program's own line is written.
export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
dist=$(copy_program)
cp "$dist/Kedoozle.ini" "$E2E_TMP/original.ini"
# After a click on ShapeType, the written file differs in the play mode alone.
sed 's/^PlayMode=0/PlayMode=2/' "$E2E_TMP/original.ini" >"$E2E_TMP/expected.ini"
cmp -s "$E2E_TMP/original.ini" "$E2E_TMP/expected.ini" && fail "the settings file has no PlayMode=0"
statuses=""
for run in $(seq 10); do
  cp "$E2E_TMP/original.ini" "$dist/Kedoozle.ini"
  start_x 640x480
  xvfb=${E2E_PIDS[-2]}
  start_program "$dist"
  xdotool mousemove $((16 + 44 * 2 + 16)) 450 click 1 # ShapeType
  wait_for_change "$E2E_TMP/started.png" "$E2E_TMP/shape.png" 32x32+104+434 20 || fail "run $run: ShapeType was not selected"
  xdotool type --delay 1 "$(printf 'abcdefghijklmnopqrstuvwxyz0123456789%.0s' $(seq 40))" 2>/dev/null &
  flood=$!
  E2E_PIDS+=($flood)
  # Not a wait for anything: the server dies at a moment chosen at random in the flood.
  sleep "0.$((RANDOM % 5 + 2))"
  # Half the runs end the server at once, half let it go down in order.
  if [ $((run % 2)) = 0 ]; then kill -KILL "$xvfb"; else kill -TERM "$xvfb"; fi
  program_exit_status 10 >"$E2E_TMP/status"
  status=$(cat "$E2E_TMP/status")
  statuses="$statuses $status"
  kill "$flood" "${E2E_PIDS[-3]}" 2>/dev/null || true # xdotool, openbox
  wait "$flood" 2>/dev/null || true
  # A killed server leaves its lock and socket behind; they would keep its number from the
  # next server and mislead others that look for a free one.
  n=${DISPLAY#:}
  if [ "$(tr -dc '0-9' 2>/dev/null <"/tmp/.X$n-lock")" = "$xvfb" ]; then rm -f "/tmp/.X$n-lock" "/tmp/.X11-unix/X$n"; fi
  [ "$status" = 1 ] || fail "run $run: the program ended with status $status"
  lines=$(grep -c . "$E2E_TMP/program.log" || true)
  [ "$lines" = 1 ] || { cat "$E2E_TMP/program.log" >&2; fail "run $run: $lines lines of output, expected one"; }
  grep -q "^Kedoozle: lost the connection to the display :[0-9]*; the settings were saved.$" "$E2E_TMP/program.log" \
    || fail "run $run: unexpected output: $(cat "$E2E_TMP/program.log")"
  cmp -s "$dist/Kedoozle.ini" "$E2E_TMP/expected.ini" || fail "run $run: the settings file is not as it was"
  unset DISPLAY
done
echo "ok: ten lost displays, exit statuses:$statuses"
