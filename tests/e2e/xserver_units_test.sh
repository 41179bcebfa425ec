#!/usr/bin/env bash
# The unit tests that need a real X server (key codes from X key events, the key-watch thread
# following held Super keys), run on a display of their own.
source "$(dirname "$0")/lib.sh"

start_x 1024x768
tests="${KD_BUILD:?}/tests"
QT_QPA_PLATFORM=xcb "$tests/VirtualKeysTest" --gtest_filter='VirtualKeysXServerTest.*' >"$E2E_TMP/keys.log" 2>&1 \
  || { cat "$E2E_TMP/keys.log"; fail "key codes from the X server"; }
grep -q '\[  PASSED  \] 1 test' "$E2E_TMP/keys.log" || { cat "$E2E_TMP/keys.log"; fail "the X key test did not run"; }
"$tests/KeyThreadTest" --gtest_filter='*XServer*' >"$E2E_TMP/thread.log" 2>&1 \
  || { cat "$E2E_TMP/thread.log"; fail "the key-watch thread on X"; }
grep -q '\[  PASSED  \] 1 test' "$E2E_TMP/thread.log" || { cat "$E2E_TMP/thread.log"; fail "the X thread test did not run"; }
