#!/usr/bin/env bash
# A family's own content: kdmodule pack turns a folder with a photo and a recording into
# modules and points the program's settings file at them; the program then shows the photo
# for its key in PictureType, and every other key keeps its picture. Then the installed
# program, packed for before its first start: the pack makes the user's settings as the
# program's own, and in KeyType every key still draws its caption.
source "$(dirname "$0")/lib.sh"

start_x 1024x768
dist=$(copy_program)
pack="$E2E_TMP/pack"
mkdir -p "$pack/pictures" "$pack/sounds"
# A photo-like picture without black, so it stands out on the black play surface.
convert -size 900x600 gradient:'#ff6020'-'#20c0ff' \
  -fill '#ffe040' -draw 'circle 300 300 300 140' -fill '#40e060' -draw 'rectangle 560 120 820 480' \
  -quality 92 "$pack/pictures/giraffe-g.jpg"
espeak-ng -w "$pack/sounds/g.wav" "giraffe"

"$dist/kdmodule" pack "$pack" "$dist" --ini "$dist/Kedoozle.ini" >"$E2E_TMP/pack.log" 2>&1 ||
  { cat "$E2E_TMP/pack.log" >&2; fail "kdmodule pack failed"; }
grep -q '^Skipped files: 0' "$E2E_TMP/pack.log" || fail "files were skipped: $(cat "$E2E_TMP/pack.log")"
for kind in Pictures Sounds; do
  "$dist/kdmodule" check "$dist/$kind.dll" --ini "$dist/Kedoozle.ini" >"$E2E_TMP/check.log" ||
    fail "check of $kind.dll: $(cat "$E2E_TMP/check.log")"
done
grep -q '^PictureResType=2' <(sed -n '/^\[7\]/,/^\[/p' "$dist/Kedoozle.ini") || fail "key G is not a JPEG resource"

# PictureType; every drawing after the first blanks the surface, so the last one is alone.
sed -i -e 's/^PlayMode=0/PlayMode=3/' -e 's/^EraseLimit=25/EraseLimit=1/' "$dist/Kedoozle.ini"
start_program "$dist"
area="992x690+16+16" # the play surface inside its frame, above the control panel
xdotool key g
wait_for_drawing "$E2E_TMP/started.png" "$E2E_TMP/first.png" || fail "key G drew nothing"
wait_for_rest "$E2E_TMP/first.png"
xdotool key g
# The second drawing blanks the first; it may land just where the first was, and then nothing
# changes, so a deadline that passes is no failure here.
wait_for_drawing "$E2E_TMP/first.png" "$E2E_TMP/shown.png" 0 3 || true
wait_for_rest "$E2E_TMP/shown.png"
[ -z "$(dialog_window)" ] || fail "an error box came up"

box=$(convert "$E2E_TMP/shown.png" -crop "$area" +repage -fuzz 8% -format '%@' info:)
read -r w h x y < <(echo "$box" | tr 'x+' '  ')
[ "$w" -gt 50 ] && [ "$h" -gt 30 ] || fail "no picture on the surface (box $box)"
ratio=$(( 1000 * w / h ))
[ "$ratio" -ge 1460 ] && [ "$ratio" -le 1540 ] || fail "the picture is ${w}x${h}, not 3:2 like the photo"
x=$((x + 16)); y=$((y + 16))
convert "$E2E_TMP/shown.png" -crop "${w}x${h}+${x}+${y}" +repage "$E2E_TMP/picture.png"
convert "$pack/pictures/giraffe-g.jpg" -resize "${w}x${h}!" "$E2E_TMP/expected.png"
error=$(compare -metric RMSE "$E2E_TMP/picture.png" "$E2E_TMP/expected.png" null: 2>&1 || true)
error=${error#*(}; error=${error%)*}
awk -v e="$error" 'BEGIN { exit !(e < 0.06) }' || fail "the picture shown differs from the photo (RMSE $error)"

# Another key still shows its picture from the module that was there before.
xdotool key a
wait_for_drawing "$E2E_TMP/shown.png" "$E2E_TMP/other.png" || fail "key A drew nothing after the pack"
wait_for_rest "$E2E_TMP/other.png"
colours=$(convert "$E2E_TMP/other.png" -crop "$area" +repage -format %k info:)
[ "$colours" -gt 20 ] || fail "key A drew nothing after the pack ($colours colours)"
program_alive || fail "the program ended"
echo "pack content: photo shown ${w}x${h} at $x,$y, RMSE $error"
kill "$KD_PID"
program_exit_status 10 >/dev/null

# The installed program, nobody allowed to write its folder, and a user who has not started it yet.
prefix=$E2E_TMP/prefix
trap 'chmod -R u+w "$prefix" 2>/dev/null; e2e_cleanup' EXIT
cmake --install "${KD_BUILD:?}" --prefix "$prefix" >"$E2E_TMP/install.log" 2>&1 || { cat "$E2E_TMP/install.log"; fail "cmake --install failed"; }
chmod -R a-w "$prefix"
program=$prefix/share/kedoozle  # the program's own content, installed
export HOME=$E2E_TMP/home XDG_CONFIG_HOME=$E2E_TMP/config
mkdir -p "$HOME"
user=$XDG_CONFIG_HOME/kedoozle
family=$E2E_TMP/family
mkdir -p "$family/pictures" "$family/patterns" "$family/sounds" "$family/spoken"
for k in a e z 5; do convert -size 300x200 gradient:'#ff6020'-'#20c0ff' "$family/pictures/$k.png"; done
convert -size 64x64 gradient:'#40e060'-'#ffe040' "$family/patterns/e.png"
for k in b m; do espeak-ng -w "$family/sounds/$k.wav" "$k"; done
espeak-ng -w "$family/spoken/a.wav" "ah"
"$prefix/bin/kdmodule" pack "$family" "$user" --ini "$user/Kedoozle.ini" >"$E2E_TMP/pack.log" 2>&1 ||
  { cat "$E2E_TMP/pack.log" >&2; fail "kdmodule pack before the first start failed"; }
grep -q "kept from $program/Pictures.dll" "$E2E_TMP/pack.log" || fail "the pack did not start from the program's pictures: $(cat "$E2E_TMP/pack.log")"
for kind in Pictures Patterns Sounds Keys; do
  n=$("$prefix/bin/kdmodule" list "$user/$kind.dll" | grep -c '_[0-9]') || true
  [ "$n" = 88 ] || fail "$kind.dll holds $n resources, not 88"
done
diff <(grep '^KeyName=' "$program/Kedoozle.ini") <(grep '^KeyName=' "$user/Kedoozle.ini") >&2 ||
  fail "the settings the pack made lost captions"

# KeyType, every drawing blanking the one before: each key draws its caption.
sed -i -e 's/^PlayMode=.*/PlayMode=4/' -e 's/^EraseLimit=.*/EraseLimit=1/' "$user/Kedoozle.ini"
(cd "$HOME" && SDL_AUDIODRIVER=dummy exec "$prefix/bin/kedoozle" >"$E2E_TMP/program.log" 2>&1) &
KD_PID=$!
E2E_PIDS+=($KD_PID)
wait_for_main_window
cp "$E2E_TMP/started.png" "$E2E_TMP/now.png"
silent=""
for k in {a..z} {0..9} space Return F5 Home period minus; do
  cp "$E2E_TMP/now.png" "$E2E_TMP/last.png"
  xdotool key "$k"
  wait_for_drawing "$E2E_TMP/last.png" "$E2E_TMP/now.png" 0 5 || silent="$silent $k"
  wait_for_rest "$E2E_TMP/now.png"
done
[ -z "$silent" ] || fail "no caption drawn in KeyType for:$silent"
[ -z "$(dialog_window)" ] || fail "an error box came up in KeyType"
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status" # not in $(...): wait needs this shell
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end through Yes"
diff <(grep '^KeyName=' "$program/Kedoozle.ini") <(grep '^KeyName=' "$user/Kedoozle.ini") >&2 ||
  fail "the captions written at the end differ from the program's"
echo "pack before the first start: 88 resources in each module, every key drew its caption in KeyType"
