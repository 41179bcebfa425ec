#!/usr/bin/env bash
# A family's own content: kdmodule pack turns a folder with a photo and a recording into
# modules and points the program's settings file at them; the program then shows the photo
# for its key in PictureType, and every other key keeps its picture.
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
