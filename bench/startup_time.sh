#!/usr/bin/env bash
# Start-up time of the program in KD_DIST (default build/dist) on an Xvfb of KD_SCREEN (default
# 1920x1080) with openbox: from the start to the first pixels and to the main window's, started
# in turn with a peer toddler keyboard program (KD_PEER, default /usr/games/bambam, when it is
# installed) so that both meet the same load; so is KD_DIST_BEFORE when it is set.
#   bench/startup_time.sh [runs]        (default 15, or KD_STARTUP_RUNS)
# Prints "startup <who> screen=WxH first_pixel_ms=... ..." lines.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export KD_DIST=${KD_DIST:-$root/build/dist}
probe=${KD_BENCH_BIN:-$root/build/bench}/StartupTime
[ -x "$probe" ] || { echo "startup_time.sh: no $probe (build the StartupTime target)" >&2; exit 1; }
source "$root/tests/e2e/lib.sh"
start_x "${KD_SCREEN:-1920x1080}"
dist=$(copy_program)
peer=${KD_PEER-/usr/games/bambam}
programs=()
# A second program folder to compare with, started in turn with the others (bench/run_all.sh
# sets it): its lines name it kedoozle@before.
if [ -n "${KD_DIST_BEFORE:-}" ]; then
  cp -r "$KD_DIST_BEFORE" "$E2E_TMP/before"
  programs+=("kedoozle@before=$E2E_TMP/before")
fi
programs+=("kedoozle=$dist")
if [ -n "$peer" ] && [ -x "$peer" ]; then
  programs+=("$(basename "$peer")=$peer")
else
  echo "note: startup_time.sh: no peer program at ${peer:-(none)}; install bambam to compare (apt-get install bambam)" >&2
fi
# The server and the window manager (started first by start_x) settle before each start.
"$probe" "${1:-${KD_STARTUP_RUNS:-15}}" --settle "${E2E_PIDS[0]}" --settle "${E2E_PIDS[1]}" "${programs[@]}"
