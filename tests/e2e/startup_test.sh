#!/usr/bin/env bash
# Start-up that cannot go wrong: a program folder without its key-lock library does not start
# and says why; the screen's density and a session scale factor do not scale the window.
source "$(dirname "$0")/lib.sh"

start_x 1024x768
folder=$(copy_program)

# Without libkdkbhook beside it the program refuses to start, even with the build tree around.
cp -r "$folder" "$E2E_TMP/nohook"
rm "$E2E_TMP/nohook/libkdkbhook.so"
status=0
(cd "$E2E_TMP" && timeout 20 "$E2E_TMP/nohook/Kedoozle" >"$E2E_TMP/nohook.log" 2>&1) || status=$?
[ "$status" != 0 ] || fail "the program started without its key-lock library"
[ "$status" != 124 ] || fail "the program without its key-lock library still ran after 20 s"
grep -q 'libkdkbhook' "$E2E_TMP/nohook.log" || { cat "$E2E_TMP/nohook.log" >&2; fail "no message names the missing library"; }
echo "ok: without libkdkbhook: status $status, \"$(head -1 "$E2E_TMP/nohook.log")\""

# layout_shot FILE: the screen with the program up, the splash closed by a click on the
# selected play-mode image and the pointer away from every hint.
layout_shot() {
  start_program "$folder"
  xdotool mousemove 32 738 click 1
  xdotool mousemove 512 300
  wait_for_rest "$1" || fail "the screen did not come to rest"
  kill "$KD_PID"
  program_exit_status 10 >/dev/null
}

layout_shot "$E2E_TMP/plain.png"
# The unscaled layout: the play surface's black starts at (16, 16) and ends at (1007, 705).
[ "$(pixel "$E2E_TMP/plain.png" 16 16)" = "0,0,0" ] || fail "the play surface does not start at (16, 16)"
[ "$(pixel "$E2E_TMP/plain.png" 1007 705)" = "0,0,0" ] || fail "the play surface does not reach (1007, 705)"
[ "$(pixel "$E2E_TMP/plain.png" 15 15)" != "0,0,0" ] || fail "the play surface begins before (16, 16)"
[ "$(pixel "$E2E_TMP/plain.png" 1008 706)" != "0,0,0" ] || fail "the play surface reaches past (1007, 705)"

same_layout() {
  local differing
  differing=$(compare -metric AE "$E2E_TMP/plain.png" "$2" null: 2>&1 || true)
  [ "$differing" = 0 ] || { cp "$2" "/tmp/startup_test-$(basename "$2")"; fail "$1: $differing pixels differ from the unscaled layout"; }
  echo "ok: $1: the layout is the unscaled one, pixel for pixel"
}

echo "Xft.dpi: 144" | xrdb -merge
layout_shot "$E2E_TMP/dpi144.png"
same_layout "Xft.dpi 144" "$E2E_TMP/dpi144.png"
xrdb -remove

QT_SCALE_FACTOR=2 layout_shot "$E2E_TMP/scale2.png"
same_layout "QT_SCALE_FACTOR=2" "$E2E_TMP/scale2.png"
# Another client holds the keyboard for longer than a few seconds: the message area says so
# in the logo's place, and the logo comes back once the lock holds.
logo() { convert "$1" -crop 639x46+233+718 -depth 8 rgb:- | md5sum; }
: >"$E2E_TMP/grabber.log"
python3 "$(dirname "$0")/keyboard_grabber.py" 7 >"$E2E_TMP/grabber.log" 2>&1 &
grabber=$!
E2E_PIDS+=($grabber)
wait_for 5 grep -q '^grab' "$E2E_TMP/grabber.log" || true
grep -q '^grab 0$' "$E2E_TMP/grabber.log" || fail "the other client could not grab the keyboard"
start_program "$folder"
xdotool mousemove 32 738 click 1 mousemove 512 300
# The message comes once the lock has failed for a few seconds.
wait_for_change "$E2E_TMP/plain.png" "$E2E_TMP/unlocked.png" 639x46+233+718 0 6 || true
kill -0 "$grabber" 2>/dev/null || fail "the other client let go too early for this test"
[ "$(logo "$E2E_TMP/unlocked.png")" != "$(logo "$E2E_TMP/plain.png")" ] || fail "the keys are not locked, but the logo shows"
[ "$(pixel "$E2E_TMP/unlocked.png" 16 738)" = "$(pixel "$E2E_TMP/plain.png" 16 738)" ] || fail "the play modes are hidden"
wait "$grabber" || true
wait_for_match "$E2E_TMP/plain.png" "$E2E_TMP/locked.png" 639x46+233+718 || true
[ "$(logo "$E2E_TMP/locked.png")" = "$(logo "$E2E_TMP/plain.png")" ] || fail "the logo did not come back once the keys were locked"
echo "ok: a keyboard held by another client is said in the message area, until the lock holds"
echo "PASS"
