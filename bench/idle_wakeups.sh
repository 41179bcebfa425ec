#!/usr/bin/env bash
# What the program costs while nobody plays: CPU ticks and wake-ups per second of each of its
# threads over a quiet stretch, after one key press has played a sound.
#   bench/idle_wakeups.sh [seconds]        (default 60; the program from build/dist)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export KD_DIST=${KD_DIST:-$root/build/dist}
source "$root/tests/e2e/lib.sh"
seconds=${1:-60}
start_x 1024x768
dist=$(copy_program)
start_program "$dist"
xdotool key a
sleep 15 # the sound plays out and the audio device goes quiet

# ticks and context switches of every thread: "name ticks switches"
sample() {
  local task
  for task in /proc/"$KD_PID"/task/*; do
    local stat name ticks switches
    stat=$(cat "$task/stat")
    name=$(cat "$task/comm")
    ticks=$(echo "${stat##*) }" | awk '{ print $12 + $13 }')
    switches=$(awk '/ctxt_switches/ { s += $2 } END { print s }' "$task/status")
    echo "$(basename "$task") $name $ticks $switches"
  done
}
sample >"$E2E_TMP/before"
sleep "$seconds"
sample >"$E2E_TMP/after"
echo "idle for $seconds s:"
printf '%-8s %-18s %8s %12s\n' thread name ticks wakeups/s
join <(sort "$E2E_TMP/before") <(sort "$E2E_TMP/after") | awk -v s="$seconds" '
  { ticks = $6 - $3; wakes = ($7 - $4) / s; total_t += ticks; total_w += wakes
    printf "%-8s %-18s %8d %12.1f\n", $1, $2, ticks, wakes }
  END { printf "%-8s %-18s %8d %12.1f\n", "all", "", total_t, total_w }'
