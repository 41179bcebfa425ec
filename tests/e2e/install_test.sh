#!/usr/bin/env bash
# An installed copy: `cmake --install` into a prefix that is then made read-only, started through
# bin/kedoozle from elsewhere. It plays with the default content from share/kedoozle, keeps its
# settings in the user's configuration folder (made from the data folder's file on the first
# start, read back on the second), finds a module dropped into that folder by its bare name and
# its languages in share/kedoozle/translations, and writes nothing into the prefix. The
# installed menu entry and metainfo pass their validators.
source "$(dirname "$0")/lib.sh"

prefix=$E2E_TMP/prefix
trap 'chmod -R u+w "$prefix" 2>/dev/null; e2e_cleanup' EXIT
cmake --install "${KD_BUILD:?}" --prefix "$prefix" >"$E2E_TMP/install.log" 2>&1 || { cat "$E2E_TMP/install.log"; fail "cmake --install failed"; }

program=$prefix/lib/kedoozle
data=$prefix/share/kedoozle
[ "$(ls "$program")" = "$(printf 'Kedoozle\nKedoozleSettings\nlibkdkbhook.so')" ] || fail "the program folder holds $(ls "$program" | tr '\n' ' ')"
for f in Kedoozle.ini License.txt Sounds.dll Keys.dll Patterns.dll Pictures.dll; do
  [ -f "$data/$f" ] || fail "$f is not in the data folder share/kedoozle"
done
[ -x "$prefix/bin/kdmodule" ] || fail "no bin/kdmodule"
[ "$(readlink -f "$prefix/bin/kedoozle")" = "$(readlink -f "$program/Kedoozle")" ] || fail "bin/kedoozle does not lead to the program"
for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/org.kedoozle.Kedoozle.png
  [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x$size" ] || fail "no ${size}px icon"
done
for language in de es fr it nl pl pt_BR tr; do
  [ -f "$prefix/share/kedoozle/translations/kedoozle_$language.qm" ] || fail "no $language translation installed"
done
desktop-file-validate "$prefix"/share/applications/org.kedoozle.Kedoozle{,.Settings}.desktop || fail "the menu entries do not validate"
appstreamcli validate --no-net "$prefix/share/metainfo/org.kedoozle.Kedoozle.metainfo.xml" >"$E2E_TMP/appstream.log" 2>&1 ||
  { cat "$E2E_TMP/appstream.log"; fail "the metainfo does not validate"; }
for page in man1/kdmodule.1 man1/kedoozle.1; do
  man --warnings -l "$prefix/share/man/$page" 2>&1 >/dev/null | grep . && fail "$page has formatting warnings"
  man -l "$prefix/share/man/$page" 2>/dev/null | grep -q '^SYNOPSIS' || fail "$page has no synopsis"
done

# A system-wide install: nobody may write the prefix, the superuser included.
chmod -R a-w "$prefix"
prefix_state() { (cd "$prefix" && find . -printf '%p %m %s %T@\n' | sort); }
prefix_state >"$E2E_TMP/prefix.before"

export HOME=$E2E_TMP/home XDG_CONFIG_HOME=$E2E_TMP/config
mkdir -p "$HOME"
user=$XDG_CONFIG_HOME/kedoozle

start_installed() {
  (cd "$HOME" && SDL_AUDIODRIVER=dummy exec "$prefix/bin/kedoozle" >"$E2E_TMP/program.log" 2>&1) &
  KD_PID=$!
  E2E_PIDS+=($KD_PID)
  wait_for_main_window
}

exit_installed() {
  click_exit_and_answer yes
  program_exit_status 10 >"$E2E_TMP/status"
  [ "$(cat "$E2E_TMP/status")" = 0 ] || fail "exit through Yes gave status $(cat "$E2E_TMP/status")"
}

start_x 1024x768
# The installed program finds its languages beside its other shared files. (A LANGUAGE list
# counts only with a locale other than C, as everywhere on the desktop.)
LANG=de_DE.UTF-8 LANGUAGE=de start_installed
xdotool mousemove 552 734 click 1
german_about() { [ -n "$(named_window "Über Kedoozle")" ]; }
wait_for 10 german_about || fail "the installed program's About window is not German"
xdotool mousemove 40 40 click 1
about_gone() { ! german_about; }
wait_for 5 about_gone || fail "the About window did not close"
[ -f "$user/Kedoozle.ini" ] || fail "the first start made no settings file in $user"
cmp -s "$user/Kedoozle.ini" "$data/Kedoozle.ini" || fail "the user's settings are not a copy of the data folder's"

# PictureType, and the default pictures draw.
pictures_mode="32x32+148+722"
cp "$E2E_TMP/started.png" "$E2E_TMP/start.png"
xdotool mousemove 164 738 click 1 mousemove 600 300
wait_for_change "$E2E_TMP/start.png" "$E2E_TMP/played.png" "$pictures_mode" 20 || fail "PictureType was not selected"
xdotool key --delay 100 a b c d e f
wait_for_drawing "$E2E_TMP/start.png" "$E2E_TMP/played.png" 1000 ||
  fail "the default pictures did not draw ($(pixels_changed "$E2E_TMP/start.png" "$E2E_TMP/played.png" 992x690+16+16) pixels changed)"
exit_installed

grep -q '^PlayMode=3' "$user/Kedoozle.ini" || fail "PlayMode 3 not saved in the user's settings"
grep -q '^Pictures=Pictures.dll' "$user/Kedoozle.ini" || fail "the modules of the program's settings were lost"
[ "$(grep -c '^\[[0-9]*\]' "$user/Kedoozle.ini")" = 88 ] || fail "not 88 key sections in the user's settings"
[ "$(ls -A "$user")" = Kedoozle.ini ] || fail "more than the settings file in $user: $(ls -A "$user")"

# A parent's own pictures module, known by the same bare name: a green square for A.
convert -size 96x96 'xc:#00ff00' "gif:$E2E_TMP/green.gif"
"$prefix/bin/kdmodule" build "$user/Pictures.dll" "RCDATA:PICTURE_1=$E2E_TMP/green.gif" >/dev/null ||
  fail "the installed kdmodule did not build a module"

start_installed
screenshot "$E2E_TMP/second.png"
mode_diff=$(compare -metric AE -extract "$pictures_mode" "$E2E_TMP/played.png" "$E2E_TMP/second.png" null: 2>&1 || true)
[ "${mode_diff%% *}" = 0 ] || fail "the second start is not in PictureType ($mode_diff pixels differ)"
xdotool key a
green_shown() {
  screenshot "$E2E_TMP/green.png"
  green=$(convert "$E2E_TMP/green.png" -crop 992x690+16+16 +repage -fill black +opaque '#00ff00' -fill white -opaque '#00ff00' \
    -format '%[fx:int(mean*w*h+0.5)]' info:)
  [ "$green" -gt 1000 ] 2>/dev/null
}
wait_for 10 green_shown || fail "the user's Pictures.dll was not used for A ($green green pixels)"
exit_installed

prefix_state >"$E2E_TMP/prefix.after"
diff "$E2E_TMP/prefix.before" "$E2E_TMP/prefix.after" >&2 || fail "the program changed the prefix"
echo "PASS"
