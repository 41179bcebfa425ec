#!/usr/bin/env bash
# What the program costs while nobody plays: CPU ticks and wake-ups per second of each of its
# threads over a quiet stretch, after one key press has played a sound, and the line
# "idle_wakeups WHO per_second=.. seconds=.." for all threads together.
#   bench/idle_wakeups.sh [seconds]        (default 20; 600 is the ten-minute run)
# The program comes from build/dist, or KD_DIST; WHO is KD_WHO, else KD_DIST.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export KD_DIST=${KD_DIST:-$root/build/dist}
source "$root/tests/e2e/lib.sh"
source "$root/bench/lib_idle.sh"
seconds=${1:-20}
start_x 1024x768
dist=$(copy_program)
start_program "$dist"
xdotool key a
sleep 15 # the sound plays out and the audio device goes quiet

idle_measure "$seconds" "" idle_wakeups
