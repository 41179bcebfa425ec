#!/usr/bin/env bash
# The unit tests that need a real X server (key codes from X key events, held keys, the key-watch
# thread following held Super keys, the server's own keys in the keymap), run on a display of
# their own.
source "$(dirname "$0")/lib.sh"

start_x 1024x768
tests="${KD_BUILD:?}/tests"
QT_QPA_PLATFORM=xcb "$tests/VirtualKeysTest" --gtest_filter='VirtualKeysXServerTest.*' >"$E2E_TMP/keys.log" 2>&1 \
  || { cat "$E2E_TMP/keys.log"; fail "key codes from the X server"; }
grep -q '\[  PASSED  \] 1 test' "$E2E_TMP/keys.log" || { cat "$E2E_TMP/keys.log"; fail "the X key test did not run"; }
KD_KEYBOARD_GRABBER="$(dirname "$0")/keyboard_grabber.py" "$tests/KeyThreadTest" --gtest_filter='*XServer*' \
  >"$E2E_TMP/thread.log" 2>&1 || { cat "$E2E_TMP/thread.log"; fail "the key-watch thread on X"; }
grep -q '\[  PASSED  \] 3 tests' "$E2E_TMP/thread.log" || { cat "$E2E_TMP/thread.log"; fail "the X thread test did not run"; }

# The screen's palette, on this true-colour screen and on an 8-bit one.
KD_SCREEN_DEPTH=24 QT_QPA_PLATFORM=xcb "$tests/ScreenPaletteTest" --gtest_filter='*XServer*' >"$E2E_TMP/palette.log" 2>&1 \
  || { cat "$E2E_TMP/palette.log"; fail "the palette of a true-colour screen"; }
grep -q '\[  PASSED  \] 1 test' "$E2E_TMP/palette.log" || { cat "$E2E_TMP/palette.log"; fail "the palette test did not run"; }
: >"$E2E_TMP/display8.num"
Xvfb -displayfd 3 -screen 0 640x480x8 -nolisten tcp 3>"$E2E_TMP/display8.num" >"$E2E_TMP/xvfb8.log" 2>&1 &
E2E_PIDS+=($!)
wait_for 30 display_number_written "$E2E_TMP/display8.num" || fail "the 8-bit Xvfb did not start"
n8=$(tr -dc '0-9' <"$E2E_TMP/display8.num")
DISPLAY=":$n8" KD_SCREEN_DEPTH=8 QT_QPA_PLATFORM=xcb "$tests/ScreenPaletteTest" --gtest_filter='*XServer*' \
  >"$E2E_TMP/palette8.log" 2>&1 || { cat "$E2E_TMP/palette8.log"; fail "the palette of an 8-bit screen"; }
grep -q '\[  PASSED  \] 1 test' "$E2E_TMP/palette8.log" || { cat "$E2E_TMP/palette8.log"; fail "the 8-bit palette test did not run"; }
QT_QPA_PLATFORM=xcb "$tests/KeyRepeatTest" --gtest_filter='KeyRepeatXServerTest.*' >"$E2E_TMP/repeat.log" 2>&1 \
  || { cat "$E2E_TMP/repeat.log"; fail "held keys from the X server"; }
grep -q '\[  PASSED  \] 1 test' "$E2E_TMP/repeat.log" || { cat "$E2E_TMP/repeat.log"; fail "the X repeat test did not run"; }

# The server's own keys: taken out of this display's keymap and put back exactly.
setxkbmap -option terminate:ctrl_alt_bksp
KD_XSERVER_TESTS=1 "$tests/ServerKeysTest" --gtest_filter='ServerKeysXServerTest.*' >"$E2E_TMP/serverkeys.log" 2>&1 \
  || { cat "$E2E_TMP/serverkeys.log"; fail "the server keys on X"; }
grep -q '\[  PASSED  \] 3 tests' "$E2E_TMP/serverkeys.log" || { cat "$E2E_TMP/serverkeys.log"; fail "the X server-key tests did not run"; }
