#!/usr/bin/env bash
# Start-up time of the program from build/dist (or KD_DIST) on an Xvfb of KD_SCREEN (default
# 1920x1080) with openbox: from the start to the title window's first pixels and to the main
# window's.
#   bench/startup_time.sh [runs]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export KD_DIST=${KD_DIST:-$root/build/dist}
source "$root/tests/e2e/lib.sh"
start_x "${KD_SCREEN:-1920x1080}"
dist=$(copy_program)
"$root/build/bench/StartupTime" "$dist" "${1:-15}"
