#!/usr/bin/env bash
# The ready program folder as the build leaves it plays in every mode: with its own settings
# file and modules, pattern and picture keys of every picture format draw colourful pictures,
# and no key brings up a load trace (shown in the control panel) or an error box.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_keys.sh" # start_x_unique: a display of its own, even side by side

start_x_unique 1024x768
dist=$(copy_program)
for f in Kedoozle.ini Sounds.dll Keys.dll Patterns.dll Pictures.dll License.txt; do
  [ -f "$dist/$f" ] || fail "the program folder has no $f"
done
# Load traces, if any, show in the control panel's message area; nothing is erased on the way.
sed -i -e 's/^ShowMessages=0/ShowMessages=1/' -e 's/^EraseLimit=25/EraseLimit=1000/' "$dist/Kedoozle.ini"
cp "$dist/Kedoozle.ini" "$E2E_TMP/settings.ini"

logo_area="639x46+233+718" # where the message area would cover the logo
# Keys whose pictures and patterns cover bitmaps (8 and 24 bits), GIFs (interlaced,
# transparent), JPEGs (baseline, progressive) and both kinds of metafile.
keys=(a b c d e f g h 1 2 3 5 period space F5 Home KP_Multiply)

for mode in 1 3 2 4; do
  sed "s/^PlayMode=0/PlayMode=$mode/" "$E2E_TMP/settings.ini" >"$dist/Kedoozle.ini"
  start_program "$dist"
  cp "$E2E_TMP/started.png" "$E2E_TMP/now.png"
  for k in "${keys[@]}"; do
    cp "$E2E_TMP/now.png" "$E2E_TMP/last.png"
    xdotool key "$k"
    # Once the key's drawing shows, so would an error box or a trace of its load, which the
    # program shows as it draws. A random shape may now and then show nothing new, so a
    # deadline that passes is no failure here: the checks then come that much later.
    wait_for_drawing "$E2E_TMP/last.png" "$E2E_TMP/now.png" 0 2 || true
    [ -z "$(dialog_window)" ] || fail "mode $mode, key $k: an error box came up"
    [ "$(pixels_changed "$E2E_TMP/started.png" "$E2E_TMP/now.png" "$logo_area")" = 0 ] ||
      fail "mode $mode, key $k: a load trace covered the logo"
  done
  wait_for_rest "$E2E_TMP/mode$mode.png"
  [ "$(pixels_changed "$E2E_TMP/started.png" "$E2E_TMP/mode$mode.png" "$logo_area")" = 0 ] ||
    fail "mode $mode: a load trace covered the logo"
  colours=$(convert "$E2E_TMP/mode$mode.png" -crop 992x690+16+16 +repage -format %k info:)
  case $mode in
    1|3) [ "$colours" -gt 200 ] || fail "mode $mode drew only $colours colours" ;; # pictures
    2) [ "$colours" -gt 8 ] || fail "ShapeType drew only $colours colours" ;;       # the keys' own colours
    4) [ "$colours" -gt 4 ] || fail "KeyType drew only $colours colours" ;;
  esac
  program_alive || fail "the program ended in mode $mode"
  kill "$KD_PID"
  wait "$KD_PID" 2>/dev/null || true
done
