#!/usr/bin/env bash
# What the program costs while nobody plays on a Wayland desktop: CPU ticks and wake-ups per
# second of each of its threads over a quiet stretch under a headless sway, after one key
# press, with the compositor's shortcuts held back for it, and the line
# "idle_wakeups_wayland WHO per_second=.. seconds=..".
#   bench/idle_wakeups_wayland.sh [seconds]     (default 20; the program from build/dist)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export KD_DIST=${KD_DIST:-$root/build/dist}
export KD_BUILD=${KD_BUILD:-$root/build}
source "$root/tests/e2e/lib.sh"
source "$root/bench/lib_idle.sh"
source "$root/tests/e2e/lib_sway.sh"
seconds=${1:-20}
start_sway
folder=$(copy_sway_program)
start_sway_program "$folder"
as_user wtype -k a
sleep 15 # the sound plays out and the audio device goes quiet

# The program runs as the compositor's user under setpriv: its process is the child.
child=$(pgrep -P "$KD_PID" Kedoozle || true)
[ -n "$child" ] && KD_PID=$child
idle_measure "$seconds" " under sway" idle_wakeups_wayland
