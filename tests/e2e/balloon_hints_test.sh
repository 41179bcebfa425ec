#!/usr/bin/env bash
# Balloon hints on a real X server: resting the pointer on a control-panel picture shows its
# hint in a light-yellow speech balloon after about half a second, shaped so the panel shows
# around it; a key hides it and still draws; the next picture's hint follows after the short
# pause; at the right edge the balloon opens to the left.
source "$(dirname "$0")/lib.sh"

start_x 1024x768
dist=$(copy_program)
start_program "$dist"

# ms_since START: milliseconds since the date +%s%N value START.
ms_since() { echo $(( ($(date +%s%N) - $1) / 1000000 )); }

# wait_for_hint TEXT SECONDS: waits for the visible hint window titled TEXT; prints its id.
wait_for_hint() {
  local id=""
  for _ in $(seq $(( $2 * 50 ))); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.02
  done
  return 0
}

# count_colour FILE GEOMETRY R,G,B: how many pixels of the region have that colour.
count_colour() {
  convert "$1" -crop "$2" +repage -depth 8 txt:- | grep -c "($3)" || true
}

shape_hint="Click here to change to ShapeType play mode."
pattern_hint="Click here to change to PatternType play mode."
xdotool mousemove 600 300
screenshot "$E2E_TMP/plain.png"

# Resting on the ShapeType picture: nothing at first, the balloon after about half a second.
start=$(date +%s%N)
xdotool mousemove 120 738
# That the balloon does not come early only shows by waiting part of its pause.
sleep 0.25
[ -z "$(xdotool search --onlyvisible --name "^$shape_hint\$" 2>/dev/null)" ] || fail "the hint showed before its pause"
hint=$(wait_for_hint "$shape_hint" 3)
[ -n "$hint" ] || fail "no balloon for the ShapeType picture"
after=$(ms_since "$start")
[ "$after" -ge 400 ] && [ "$after" -le 1500 ] || fail "the balloon came after $after ms, not about 500"
echo "ok: ShapeType balloon after $after ms"
# Above and to the right of the pointer, the tail's tip next to it.
balloon_placed() { window_geometry "$hint"; [ "$X" = 121 ] && [ $((Y + HEIGHT)) = 738 ]; }
wait_for 3 balloon_placed || fail "balloon at $X,$Y ${WIDTH}x$HEIGHT, not above right of (120,738)"
region="${WIDTH}x$HEIGHT+$X+$Y"
balloon_drawn() {
  screenshot "$E2E_TMP/balloon.png"
  body=$(count_colour "$E2E_TMP/balloon.png" "$region" "255,255,153")
  [ "$body" -gt $(( (WIDTH - 24) * (HEIGHT - 24) / 2 )) ]
}
wait_for 3 balloon_drawn || fail "only $body pixels of the balloon colour"
wait_for_rest "$E2E_TMP/balloon.png"
ink=$(count_colour "$E2E_TMP/balloon.png" "$region" "0,0,0")
[ "$ink" -gt 100 ] || fail "no text in the balloon ($ink dark pixels)"
# Shaped: the window's corners away from the tail show what is beneath it.
for p in "$((X + WIDTH - 1)) $Y" "$X $Y" "$((X + WIDTH - 1)) $((Y + HEIGHT - 1))"; do
  [ "$(pixel "$E2E_TMP/balloon.png" $p)" = "$(pixel "$E2E_TMP/plain.png" $p)" ] || fail "the balloon window covers $p"
done
[ "$(pixel "$E2E_TMP/balloon.png" $((X + 2)) $((Y + HEIGHT - 2)))" = "128,128,128" ] || fail "no tail tip at the pointer"

# Straight on to the PatternType picture: its hint follows after the short pause.
start=$(date +%s%N)
xdotool mousemove 76 738
next=$(wait_for_hint "$pattern_hint" 2)
[ -n "$next" ] || fail "no balloon for the PatternType picture"
after=$(ms_since "$start")
# Timed from before the move, so anything under the full pause of 500 ms is the short one.
[ "$after" -lt 490 ] || fail "the next balloon took $after ms"
[ -z "$(xdotool search --onlyvisible --name "^$shape_hint\$" 2>/dev/null)" ] || fail "the old balloon stayed"
echo "ok: PatternType balloon after $after ms"

# A key hides it, and draws.
screenshot "$E2E_TMP/before-key.png"
xdotool key a s d f
hint_gone() { ! window_shown "$pattern_hint"; }
wait_for 3 hint_gone || fail "a key did not hide the balloon"
wait_for_change "$E2E_TMP/before-key.png" "$E2E_TMP/after-key.png" 992x560+16+16 100 ||
  fail "the key did not draw ($(pixels_changed "$E2E_TMP/before-key.png" "$E2E_TMP/after-key.png" 992x560+16+16) pixels changed)"

# At the right edge the exit door's balloon opens above and to the left.
xdotool mousemove 600 300
xdotool mousemove 1000 738
exit_id=$(wait_for_hint "Click here to.Exit Kedoozle." 3)
[ -n "$exit_id" ] || fail "no balloon for the exit door"
window_geometry "$exit_id"
[ $((X + WIDTH)) = 999 ] && [ $((Y + HEIGHT)) = 738 ] || fail "exit balloon at $X,$Y ${WIDTH}x$HEIGHT, not above left of (1000,738)"
program_alive || fail "the program ended"
echo "PASS"
