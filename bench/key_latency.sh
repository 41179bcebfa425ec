#!/usr/bin/env bash
# Key-to-screen latency of the program from build/dist on an Xvfb (1024x768, or KD_SCREEN)
# with openbox:
#   bench/key_latency.sh [presses-per-mode]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export KD_DIST=${KD_DIST:-$root/build/dist}
source "$root/tests/e2e/lib.sh"
start_x "${KD_SCREEN:-1024x768}"
dist=$(copy_program)
start_program "$dist"
${KD_LATENCY_WRAPPER:-} "$root/build/bench/KeyLatency" "${1:-200}"
