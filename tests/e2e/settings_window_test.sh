#!/usr/bin/env bash
# The parent's settings window, driven as a parent would with the keyboard: opened through the
# menu entry's action, key D gets a photo and a recording through the file dialog, play starts
# in PictureType and the sound may not be switched by the child. After Save, play shows the
# photo for D and plays the recording, A keeps its own picture and sound, a click on the speaker
# changes nothing, and the program's own modules are untouched. Cancel leaves every file as it
# was; play and the window never run at once.
source "$(dirname "$0")/lib.sh"

start_x 1280x1024
dist=$(copy_program)
ini=$dist/Kedoozle.ini
files_state() { (cd "$dist" && find . -type f -printf '%p %s\n' -exec md5sum {} \; | sort); }
md5sum "$dist"/{Pictures,Patterns,Sounds,Keys}.dll >"$E2E_TMP/builtin.md5"

# A green photo with a purple disc, and a one-second 1 kHz tone as the recording.
convert -size 640x480 xc:'rgb(0,200,0)' -fill 'rgb(200,0,200)' -draw 'circle 320,240 320,330' "$E2E_TMP/photo.jpg"
python3 - "$E2E_TMP/tone.wav" <<'PY'
import math, struct, sys, wave
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(1); w.setsampwidth(2); w.setframerate(44100)
    w.writeframes(b"".join(struct.pack("<h", int(12000 * math.sin(2 * math.pi * 1000 * i / 44100))) for i in range(44100)))
PY

# The menu entry's action, with the program of the build in place of the installed command.
action=$(sed -n '/^\[Desktop Action Settings\]/,/^\[/ s/^Exec=//p' "${KD_SOURCE:?}/packaging/org.kedoozle.Kedoozle.desktop")
[ "$action" = "kedoozle --settings" ] || fail "the menu entry's settings action runs '$action'"
start_settings() {
  (cd "$E2E_TMP" && SDL_AUDIODRIVER=dummy exec "$dist/Kedoozle" ${action#kedoozle } >"$E2E_TMP/settings.log" 2>&1) &
  SETTINGS_PID=$!
  E2E_PIDS+=($SETTINGS_PID)
  wait_for_window "Kedoozle Settings" || fail "the settings window did not open"
  xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^Kedoozle Settings$' | head -1)"
}
settings_gone() { ! kill -0 "$SETTINGS_PID" 2>/dev/null; }
# choose_file TITLE PATH: the file dialog titled TITLE takes the path typed into it.
choose_file() {
  wait_for_window "$1" || fail "no file dialog '$1'"
  xdotool type --delay 2 "$2"
  xdotool key Return
  wait_for 10 eval '! window_shown "$1"' || fail "the file dialog '$1' stayed"
}

start_settings
# Play may not start while the window is open: the window comes to the front instead.
SDL_AUDIODRIVER=dummy "$dist/Kedoozle" >"$E2E_TMP/second.log" 2>&1 || fail "a start of play beside the window failed"
grep -q "Kedoozle Settings is open" "$E2E_TMP/second.log" || fail "play beside the window said: $(cat "$E2E_TMP/second.log")"

xdotool key alt+k d alt+p
choose_file "Picture for key D" "$E2E_TMP/photo.jpg"
xdotool key alt+o
choose_file "Sound for key D" "$E2E_TMP/tone.wav"
# PictureType at the start, the child may not switch sound, a play-time limit.
xdotool key alt+y alt+i alt+h alt+r
files_state >"$E2E_TMP/before-save"
xdotool key alt+s
saved() { grep -qi '^ChildMayChangeSound=0' "$ini" && [ -f "$dist/MySounds.dll" ] && [ -f "$dist/MyPictures.dll" ]; }
wait_for 20 saved || fail "Save wrote no settings or modules: $(grep -i '^\(PlayMode\|ChildMay\|PlayTime\)' "$ini" | tr '\r\n' '  ')"
grep -qi '^PlayMode=3' "$ini" || fail "the start mode was not saved as PictureType"
grep -qi '^PlayTimeLimit=30' "$ini" || fail "the play-time limit was not saved"
md5sum -c --quiet "$E2E_TMP/builtin.md5" || fail "the program's own modules changed"

# A change then Cancel: every file stays byte for byte.
xdotool key alt+y alt+u
files_state >"$E2E_TMP/before-cancel"
xdotool key alt+c
wait_for 10 settings_gone || fail "Cancel did not close the window"
files_state | cmp -s - "$E2E_TMP/before-cancel" || fail "Cancel changed files"

# Play: D shows the photo and plays the tone; A keeps its own.
audio=$E2E_TMP/audio.raw
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$audio start_program "$dist"
# The window may not open during play: play comes to the front instead.
SDL_AUDIODRIVER=dummy "$dist/Kedoozle" --settings >"$E2E_TMP/second.log" 2>&1 || fail "the window beside play failed"
grep -q "Kedoozle is playing" "$E2E_TMP/second.log" || fail "the window beside play said: $(cat "$E2E_TMP/second.log")"
green() { convert "$1" -fx 'g > 0.65 && r < 0.2 && b < 0.2 ? 1 : 0' -format '%[fx:mean*w*h]' info: | cut -d. -f1; }
xdotool key d
wait_for_drawing "$E2E_TMP/started.png" "$E2E_TMP/d.png" 5000 || fail "D drew nothing"
wait_for_rest "$E2E_TMP/d.png"
[ "$(green "$E2E_TMP/d.png")" -gt 5000 ] || fail "D did not show the photo"
# tone_in FROM: whether the sound written after byte FROM is the 1 kHz tone; the device's
# rate and channels are not known here, so each likely layout of 16-bit samples is tried.
tone_in() {
  python3 - "$audio" "$1" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()[int(sys.argv[2]) // 4 * 4:]
samples = struct.unpack("<%dh" % (len(data) // 2), data[: len(data) // 2 * 2])
for channels in (2, 1):
    for rate in (48000, 44100):
        s = [x for x in samples[::channels]]
        loud = [i for i, x in enumerate(s) if abs(x) > 2000]
        if len(loud) < rate // 10:
            continue
        part = s[loud[0]: loud[-1]]
        crossings = sum(1 for a, b in zip(part, part[1:]) if a < 0 <= b)
        if abs(crossings / (len(part) / rate) - 1000) < 60:
            sys.exit(0)
sys.exit(1)
PY
}
wait_for 10 tone_in 0 || fail "D did not play the recording"
heard=$(stat -c %s "$audio")
xdotool key a
wait_for_drawing "$E2E_TMP/d.png" "$E2E_TMP/a.png" 5000 || fail "A drew nothing"
wait_for_rest "$E2E_TMP/a.png"
[ "$(green "$E2E_TMP/a.png")" -lt "$(( $(green "$E2E_TMP/d.png") + 500 ))" ] || fail "A showed D's photo"
loud_after() { python3 -c "import struct,sys; d=open('$audio','rb').read()[$heard//4*4:]; s=struct.unpack('<%dh'%(len(d)//2), d[:len(d)//2*2]); sys.exit(0 if sum(abs(x)>2000 for x in s)>4000 else 1)"; }
wait_for 10 loud_after || fail "A played nothing"
tone_in "$heard" && fail "A played D's recording"

# The speaker takes no click; the settings keep the parent's sound.
read -r width height < <(screen_size)
xdotool mousemove $((width - 76)) $((height - 30)) click 1
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "play did not end through Yes"
grep -qi '^Sound=1' "$ini" || fail "a click on the fixed speaker changed the sound: $(grep -i '^Sound' "$ini")"
echo "settings window: ok"
