#!/usr/bin/env bash
# A save cut short: a process killed in the middle of its save leaves a temporary file beside
# the settings file, which the next start removes, and the settings file stays whole. A
# logout's SIGTERM (or SIGINT, SIGHUP) while the disk is full gives the keyboard and the
# console keys back, says on the error output that the settings were not saved, and ends the
# program without a box.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_xorg.sh"

start_x 1024x768
shopt -s nullglob

# --- kill -9 during the save ---------------------------------------------------------------
dist=$(copy_program)
ini=$dist/Kedoozle.ini
# A long comment section makes the save take long enough to be caught in the middle.
{ echo "[Notes]"; for i in $(seq 1 40000); do echo "; note $i ................................................."; done; } >>"$ini"
ini_whole() { [ "$(head -1 "$ini" | tr -d '\r')" = "[Settings]" ] && grep -q '^PlayMode=' "$ini" && [ "$(grep -c '^; note ' "$ini")" = 40000 ]; }

stale_files() { local f; for f in "$dist"/.Kedoozle.ini.*; do echo "$f"; done; }

# kill_during_save: asks the program to end and kills it as soon as its save has made a new
# temporary file.
kill_during_save() {
  local before=("$dist"/.Kedoozle.ini.*) now
  kill -TERM "$KD_PID"
  while kill -0 "$KD_PID" 2>/dev/null; do
    now=("$dist"/.Kedoozle.ini.*)
    if [ ${#now[@]} -gt ${#before[@]} ]; then kill -KILL "$KD_PID"; break; fi
  done
  wait "$KD_PID" 2>/dev/null || true
}

cut=0
for run in 1 2 3 4 5 6; do
  # A play mode written as "01" is saved back as "1": every run has something to save.
  sed -i "1,5s/^PlayMode=.*/PlayMode=0$((run % 5))/" "$ini"
  KD_KEEP_SPLASH=1 start_program "$dist"
  [ -z "$(stale_files)" ] || fail "run $run: the start left $(stale_files | xargs -n1 basename | xargs)"
  kill_during_save
  [ -z "$(stale_files)" ] || cut=$((cut + 1))
  ini_whole || fail "run $run: the settings file is not whole after kill -9 during the save"
done
[ "$cut" -gt 0 ] || fail "no kill landed inside a save"
echo "kill -9 during the save: $cut of 6 runs left a temporary file"
sed -i "1,5s/^PlayMode=.*/PlayMode=03/" "$ini"
KD_KEEP_SPLASH=1 start_program "$dist"
[ -z "$(stale_files)" ] || fail "the last start left $(stale_files | xargs -n1 basename | xargs)"
kill -TERM "$KD_PID"
program_exit_status 10 >"$E2E_TMP/status"  # not in $(...): wait needs this shell
[ "$(cat "$E2E_TMP/status")" != timeout ] || fail "the program did not end on SIGTERM"
ini_whole && grep -q '^PlayMode=3' "$ini" || fail "the settings file is not whole after a whole save"
[ -z "$(stale_files)" ] || fail "a whole save left $(stale_files | xargs -n1 basename | xargs)"

# --- signals while the disk is full ---------------------------------------------------------
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo -n"
full=$E2E_TMP/full
mkdir "$full"
$sudo mount -t tmpfs -o size=16m,mode=1777 kedoozle-full "$full" || fail "cannot mount a tmpfs (needs root or sudo)"
trap '$sudo umount -l "$full" 2>/dev/null || true; e2e_cleanup' EXIT
cp -r "$KD_DIST" "$full/dist"
sed -i "1,5s/^PlayMode=.*/PlayMode=01/" "$full/dist/Kedoozle.ini"
cp "$full/dist/Kedoozle.ini" "$E2E_TMP/full.ini"
dd if=/dev/zero of="$full/filler" bs=64k 2>/dev/null || true
[ "$(df --output=avail -B1 "$full" | tail -1)" -lt 65536 ] || fail "the tmpfs is not full"

keymap_dump "$E2E_TMP/original.xkb"
[ "$(server_keys_in "$E2E_TMP/original.xkb")" -ge 12 ] || fail "the test keymap lacks the console keys"
keyboard_held() { [ "$(other_client_grab keyboard)" = 1 ]; }
server_keys_out() { keymap_dump "$E2E_TMP/now.xkb"; [ "$(server_keys_in "$E2E_TMP/now.xkb")" = 0 ]; }
spy_started() { [ -s "$E2E_TMP/clients" ]; }

for signal in TERM INT HUP; do
  name=SIG$signal
  KD_KEEP_SPLASH=1 start_program "$full/dist"
  wait_for 10 keyboard_held || fail "$name: the keyboard was not locked to begin with"
  wait_for 10 server_keys_out || fail "$name: the console keys were in the keymap to begin with"
  # Every window the window manager takes on from now on is listed here.
  xprop -root -spy _NET_CLIENT_LIST >"$E2E_TMP/clients" 2>/dev/null &
  spy=$!
  E2E_PIDS+=($spy)
  wait_for 5 spy_started || fail "the window list cannot be watched"
  kill -"$signal" "$KD_PID"
  program_exit_status 10 >"$E2E_TMP/status"
  kill "$spy"
  [ "$(cat "$E2E_TMP/status")" != timeout ] || fail "$name: the program did not end"
  [ "$(cat "$E2E_TMP/status")" = $((128 + $(kill -l "$signal"))) ] || fail "$name: ended with status $(cat "$E2E_TMP/status")"
  new_windows=$(tr -s ' ,' '\n\n' <"$E2E_TMP/clients" | grep '^0x' | sort -u |
    grep -v -x -F -f <(head -1 "$E2E_TMP/clients" | tr -s ' ,' '\n\n' | grep '^0x') || true)
  [ -z "$new_windows" ] || fail "$name: a window appeared while the program ended: $new_windows"
  grep -q "Kedoozle: the settings could not be saved: Unable to write to $full/dist/Kedoozle.ini" \
    "$E2E_TMP/program.log" || fail "$name: the failed save was not told on the error output"
  [ "$(other_client_grab keyboard)" = 0 ] || fail "$name: the keyboard is still grabbed"
  keymap_dump "$E2E_TMP/now.xkb"
  cmp -s "$E2E_TMP/original.xkb" "$E2E_TMP/now.xkb" || fail "$name: the console keys are not back in the keymap"
  cmp -s "$E2E_TMP/full.ini" "$full/dist/Kedoozle.ini" || fail "$name: the settings file changed"
  [ -z "$(find "$full/dist" -name '.Kedoozle.ini.*')" ] || fail "$name: a temporary file was left on the full disk"
done
echo "PASS"
