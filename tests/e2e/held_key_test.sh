#!/usr/bin/env bash
# A held key draws and sounds once, however long it is held and whatever the X server makes of
# the repeat: with detectable auto-repeat (the server sends only presses while a key is held)
# and without it (release + press pairs, which the program takes apart itself). Ten keys held
# together draw and sound ten times at most. Drawings are counted by the surface changing
# between screenshots, sounds by bursts in SDL's disk audio output.
source "$(dirname "$0")/lib.sh"

preload="${KD_BUILD:?}/tests/libkd_no_detectable_repeat.so"
[ -f "$preload" ] || fail "no $preload: build the test targets"
start_x 1024x768
xset r on
xset r rate 300 40 # a repeat every 25 ms once a key has been held 300 ms
dist=$(copy_program)
# Every key plays one short beep from a file: 0.15 s of one level, 44.1 kHz 16-bit stereo.
python3 - "$dist/beep.wav" <<'PY'
import struct, sys
frames = int(0.15 * 44100)
data = struct.pack('<h', 8000) * (frames * 2)
with open(sys.argv[1], 'wb') as f:
    f.write(b'RIFF' + struct.pack('<I', 36 + len(data)) + b'WAVEfmt ' +
            struct.pack('<IHHIIHH', 16, 1, 2, 44100, 44100 * 4, 4, 16) + b'data' + struct.pack('<I', len(data)) + data)
PY
sed -i 's/^SoundFile=\r\?$/SoundFile=beep.wav\r/' "$dist/Kedoozle.ini"
grep -q '^SoundFile=beep.wav' "$dist/Kedoozle.ini" || fail "could not point the keys at the beep"
surface="992x690+16+16"

# bursts FILE OFFSET: "bursts seconds" of sound in the disk audio output after OFFSET bytes.
bursts() {
  python3 - "$1" "$2" <<'PY'
import array, sys
data = open(sys.argv[1], 'rb').read()
# The device opens the file anew after a quiet spell: then the sound starts at the beginning.
data = data[int(sys.argv[2]):] if len(data) >= int(sys.argv[2]) else data
samples = array.array('h', data[:len(data) // 4 * 4])
loud = [abs(samples[i]) > 100 for i in range(0, len(samples), 2)]
bursts, quiet, total = 0, 10 ** 9, 0
for on in loud:
    if on:
        if quiet >= 441:  # 10 ms of silence separate two sounds
            bursts += 1
        quiet = 0
        total += 1
    else:
        quiet += 1
print(bursts, round(total / 44100, 3))
PY
}

changed() { { compare -metric AE -extract "$surface" "$1" "$2" null: 2>&1 || true; } | awk '{ print $1 }'; }

# hold LABEL SECONDS MAX KEYS...: holds the keys together, then checks that they drew and
# sounded at least once and at most MAX times, and drew nothing while held. One key draws
# nothing when released either; of several, each key-up lets the key still repeating draw.
hold() {
  local label=$1 seconds=$2 max=$3 offset before first late after n sound
  shift 3
  offset=$(stat -c %s "$E2E_TMP/audio.raw" 2>/dev/null || echo 0)
  screenshot "$E2E_TMP/before.png"
  xdotool keydown --delay 5 "$@"
  # The press draws; once the screen is still, every key has drawn. Held keys that drew again
  # would keep it moving: the check below says so.
  wait_for_drawing "$E2E_TMP/before.png" "$E2E_TMP/first.png" || true
  wait_for_rest "$E2E_TMP/first.png" 5 || true
  # The hold itself: the server repeats the keys every 25 ms all along.
  sleep "$seconds"
  screenshot "$E2E_TMP/late.png"
  xdotool keyup --delay 5 "$@"
  # A release shows nothing, and the sounds end some time after: only time shows both.
  sleep 0.5
  screenshot "$E2E_TMP/after.png"
  first=$(changed "$E2E_TMP/before.png" "$E2E_TMP/first.png")
  late=$(changed "$E2E_TMP/first.png" "$E2E_TMP/late.png")
  after=$(changed "$E2E_TMP/late.png" "$E2E_TMP/after.png")
  read -r n sound < <(bursts "$E2E_TMP/audio.raw" "$offset")
  echo "$label: surface pixels changed: $first on the press, $late while held, $after after; $n sounds, ${sound}s of sound"
  [ "$first" -gt 0 ] 2>/dev/null || fail "$label: the press drew nothing"
  [ "$late" = 0 ] || fail "$label: the held keys drew again ($late pixels changed)"
  [ "$max" -gt 1 ] || [ "$after" = 0 ] || fail "$label: the release drew ($after pixels changed)"
  [ "$n" -ge 1 ] && [ "$n" -le "$max" ] || fail "$label: $n sounds, expected 1 to $max"
  # One beep is 0.15 s: a beep started again while playing makes the sound longer.
  python3 -c "import sys; sys.exit(0 if $sound <= 0.15 * $max + 0.03 else 1)" \
    || fail "$label: ${sound}s of sound, more than $max beeps"
}

run_program() {
  local mode=$1
  rm -f "$E2E_TMP/audio.raw"
  if [ "$mode" = without ]; then
    LD_PRELOAD="$preload" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$E2E_TMP/audio.raw" start_program "$dist"
  else
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$E2E_TMP/audio.raw" start_program "$dist"
  fi
  hold "$mode detectable auto-repeat, A held 1 s" 1 1 a
  hold "$mode detectable auto-repeat, ten keys held 1 s" 1 10 q w e r t y u i o p
  click_exit_and_answer yes
  program_exit_status 10 >"$E2E_TMP/status"
  [ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the program did not end through Yes"
}

run_program with
run_program without
echo "ok: held keys act once"
