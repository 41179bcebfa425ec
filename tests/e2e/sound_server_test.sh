#!/usr/bin/env bash
# Sound through a real sound server: a PulseAudio server of the test's own with a null sink.
# Keys 4.5 s apart keep one stream open, which closes 10 s after the last key; a key whose
# sound file is a FIFO neither stops sound nor the exit; after the server restarts, the next
# key sounds; with the server frozen (SIGSTOP), Yes still ends the program within 2 s; a start
# after a frozen copy of the program takes over and plays.
source "$(dirname "$0")/lib.sh"

command -v pulseaudio >/dev/null && command -v pactl >/dev/null && command -v parec >/dev/null ||
  fail "pulseaudio and pulseaudio-utils are needed (scripts/bootstrap)"
PA_DIR="$E2E_TMP/pulse"
mkdir -m 700 -p "$PA_DIR/run" "$PA_DIR/home"
export PULSE_SERVER="unix:$PA_DIR/run/native" SDL_AUDIODRIVER=pulseaudio
export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# start_pulse: the server, with one null sink, listening on $PULSE_SERVER only; it runs as root
# too. A recorder of what reaches the sink writes 8 kHz mono samples to $PA_DIR/heard.raw.
start_pulse() {
  rm -f "$PA_DIR/run/native"
  HOME="$PA_DIR/home" XDG_RUNTIME_DIR="$PA_DIR/run" pulseaudio -n --daemonize=no --system=false \
    --exit-idle-time=-1 --disable-shm=yes --log-target=file:"$PA_DIR/server.log" \
    -L "module-null-sink sink_name=null" \
    -L "module-native-protocol-unix socket=$PA_DIR/run/native auth-anonymous=1" >>"$PA_DIR/server.out" 2>&1 &
  PA_PID=$!
  E2E_PIDS+=($PA_PID)
  wait_for 20 pulse_up || { cat "$PA_DIR/server.out" >&2; fail "the sound server did not start"; }
  parec -d null.monitor --raw --format=s16le --channels=1 --rate=8000 >"$PA_DIR/heard.raw" 2>/dev/null &
  E2E_PIDS+=($!)
  wait_for 10 recording || fail "the recorder did not start"
}
pulse_up() { timeout 2 pactl info >/dev/null 2>&1; }
recording() { [ -n "$(timeout 2 pactl list short source-outputs)" ]; }
# streams: the ids of the streams playing into the server, one a line.
streams() { timeout 2 pactl list short sink-inputs | awk '{ print $1 }'; }
has_stream() { [ -n "$(streams)" ]; }
no_stream() { pulse_up && [ -z "$(streams)" ]; }
# heard_since OFFSET: whether a sample louder than the noise reached the sink after OFFSET
# bytes of the recording.
heard_since() {
  python3 - "$PA_DIR/heard.raw" "$1" <<'PY'
import array, sys
data = open(sys.argv[1], 'rb').read()[int(sys.argv[2]):]
samples = array.array('h', data[:len(data) // 2 * 2])
sys.exit(0 if any(abs(s) > 300 for s in samples) else 1)
PY
}
heard_size() { stat -c %s "$PA_DIR/heard.raw"; }
# key_heard KEY [SECONDS]: presses the key and waits until its sound reaches the sink.
key_heard() {
  local offset
  offset=$(heard_size)
  xdotool key "$1"
  wait_for "${2:-5}" heard_since "$offset"
}

start_pulse
start_x 1024x768
dist=$(copy_program)
# Key A's sound file is a FIFO that nobody writes: its sound must not play, and not wait.
mkfifo "$dist/fifo.wav"
sed -i '/^\[1\]/,/^\[2\]/ s|^SoundFile=\r\?$|SoundFile=fifo.wav\r|' "$dist/Kedoozle.ini"
grep -q '^SoundFile=fifo.wav' "$dist/Kedoozle.ini" || fail "could not point key A at the FIFO"
start_program "$dist"

# Keys 4.5 s apart for half a minute: one stream throughout, never a moment without it. Then
# it closes 10 s after the last key.
seen="" gaps=0 presses=0 first=$(ms_now)
while [ $presses -lt 7 ]; do
  if [ "$(ms_now)" -ge $((first + presses * 4500)) ]; then
    xdotool key b
    presses=$((presses + 1)); last=$(ms_now)
    [ $presses = 1 ] && { wait_for 5 has_stream || fail "the first key opened no stream"; }
  fi
  # A look the server did not answer in time (a loaded machine) counts neither way.
  if list=$(timeout 2 pactl list short sink-inputs); then
    ids=$(awk '{ print $1 }' <<<"$list")
    [ -n "$ids" ] || gaps=$((gaps + 1))
    for id in $ids; do [[ " $seen " == *" $id "* ]] || seen="$seen $id"; done
  fi
  sleep 0.2
done
echo "keys 4.5 s apart: streams seen:$seen; samples without a stream: $gaps"
[ "$(wc -w <<<"$seen")" = 1 ] && [ $gaps = 0 ] || fail "the stream closed during play (streams:$seen, gaps: $gaps)"
wait_for 25 no_stream || fail "the stream stayed open 25 s after the last key"
idle=$(($(ms_now) - last))
echo "the stream closed $idle ms after the last key"
[ $idle -ge 9500 ] || fail "the stream closed only $idle ms after the last key"

# The FIFO key plays the default sound at once, and the next key still sounds.
key_heard a || fail "key A, whose sound file is a FIFO, played nothing"
key_heard b || fail "after key A no key sounds"
echo "ok: a FIFO as a sound file plays the default sound; the next key sounds"

# The server restarts, with a key pressed while it is away: the next key sounds.
wait_for 5 has_stream || fail "no stream before the server restarts"
kill -9 "$PA_PID"
wait "$PA_PID" 2>/dev/null || true
xdotool key e
wait_for_rest "$E2E_TMP/away.png" || fail "the key pressed without a sound server did not draw"
start_pulse
key_heard c || fail "the first key after the server restarted did not sound"
echo "ok: the first key after the server restarted sounds"

# The server freezes: Yes ends the program within 2 s, with the settings saved.
kill -STOP "$PA_PID"
xdotool key d
# ShapeType, a setting to find saved.
xdotool mousemove 120 738 click 1
wait_for_change "$E2E_TMP/started.png" "$E2E_TMP/shape.png" 32x32+104+722 || fail "ShapeType was not selected"
open_exit_dialog
answer_confirmation "$EXIT_DIALOG" yes
yes_at=$(ms_now)
wait_for 5 program_gone || fail "the program still runs 5 s after Yes with the sound server frozen"
took=$(($(ms_now) - yes_at))
echo "with the sound server frozen the program ended $took ms after Yes"
[ $took -le 2000 ] || fail "the program took $took ms to end after Yes"
status=0; wait "$KD_PID" || status=$?
[ $status = 0 ] || fail "the program ended with status $status"
grep -q '^PlayMode=2' "$dist/Kedoozle.ini" || fail "the settings were not saved"
kill -CONT "$PA_PID"

# A frozen copy of the program does not keep a new start from playing.
start_program "$dist"
frozen=$KD_PID
kill -STOP "$frozen"
(cd "$dist" && exec "$dist/Kedoozle" >"$E2E_TMP/second.log" 2>&1) &
KD_PID=$!
E2E_PIDS+=($KD_PID)
wait_for 30 pids_gone "$frozen" || fail "the frozen copy still runs after a second start"
status=0; wait "$frozen" 2>/dev/null || status=$?
echo "the frozen copy ended with status $status"
program_alive || fail "the second start ended: $(cat "$E2E_TMP/second.log")"
wait_for_main_window
key_heard b || fail "the second start does not sound"
wait_for_drawing "$E2E_TMP/started.png" "$E2E_TMP/drawn.png" || fail "the second start does not draw"
echo "ok: the second start took over from the frozen copy: $(cat "$E2E_TMP/second.log")"
click_exit_and_answer yes
program_exit_status 10 >"$E2E_TMP/status"
[ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the second start did not end through Yes"
echo "PASS"
