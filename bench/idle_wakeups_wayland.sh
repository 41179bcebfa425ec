#!/usr/bin/env bash
# What the program costs while nobody plays on a Wayland desktop: CPU ticks and wake-ups per
# second of each of its threads over a quiet stretch under a headless sway, after one key
# press, with the compositor's shortcuts held back for it.
#   bench/idle_wakeups_wayland.sh [seconds]     (default 60; the program from build/dist)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export KD_DIST=${KD_DIST:-$root/build/dist}
export KD_BUILD=${KD_BUILD:-$root/build}
source "$root/tests/e2e/lib.sh"
source "$root/tests/e2e/lib_sway.sh"
seconds=${1:-60}
start_sway
folder=$(copy_sway_program)
start_sway_program "$folder"
as_user wtype -k a
sleep 15 # the sound plays out and the audio device goes quiet

# ticks and context switches of every thread: "tid name ticks switches"
sample() {
  local task
  for task in /proc/"$KD_PID"/task/*; do
    local stat name ticks switches
    stat=$(cat "$task/stat")
    name=$(cat "$task/comm")
    ticks=$(echo "${stat##*) }" | awk '{ print $12 + $13 }')
    switches=$(awk '/ctxt_switches/ { s += $2 } END { print s }' "$task/status")
    echo "$(basename "$task") ${name// /_} $ticks $switches"
  done
}
# The program runs as the compositor's user under setpriv: its process is the child.
child=$(pgrep -P "$KD_PID" Kedoozle || true)
[ -n "$child" ] && KD_PID=$child
sample >"$E2E_TMP/before"
sleep "$seconds"
sample >"$E2E_TMP/after"
echo "idle for $seconds s under sway:"
printf '%-8s %-18s %8s %12s\n' thread name ticks wakeups/s
join <(sort "$E2E_TMP/before") <(sort "$E2E_TMP/after") | awk -v s="$seconds" '
  { ticks = $6 - $3; wakes = ($7 - $4) / s; total_t += ticks; total_w += wakes
    printf "%-8s %-18s %8d %12.1f\n", $1, $2, ticks, wakes }
  END { printf "%-8s %-18s %8d %12.1f\n", "all", "", total_t, total_w }'
