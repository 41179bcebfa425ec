#!/usr/bin/env bash
# Key-to-screen latency of the program in KD_DIST (default build/dist) on an Xvfb with openbox,
# against the floor (a bare Xlib client that fills a rectangle per key), at each screen size
# of KD_SCREENS (default "1920x1080 3840x2160"). The floor is measured on the same display
# before and after the program, and its median and 95th percentile over both runs give the
# program's ratios to it, and how many milliseconds the program's median lies above it.
#   bench/key_latency.sh [presses-per-mode]     (default 200, or KD_LATENCY_PRESSES)
# Prints "key_latency <who> screen=WxH mode=M median_ms=... p95_ms=..." lines.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export KD_DIST=${KD_DIST:-$root/build/dist}
presses=${1:-${KD_LATENCY_PRESSES:-200}}
probe=${KD_BENCH_BIN:-$root/build/bench}/KeyLatency
[ -x "$probe" ] || { echo "key_latency.sh: no $probe (build the KeyLatency target)" >&2; exit 1; }

if [ -z "${KD_LATENCY_SCREEN:-}" ]; then
  status=0
  for screen in ${KD_SCREENS:-${KD_SCREEN:-1920x1080 3840x2160}}; do
    KD_LATENCY_SCREEN=$screen "$0" "$presses" || status=1
  done
  exit $status
fi

source "$root/tests/e2e/lib.sh"
start_x "$KD_LATENCY_SCREEN"
floor_lines=$E2E_TMP/floor.txt
"$probe" --floor "$(( (presses + 1) / 2 ))" >"$floor_lines"
dist=$(copy_program)
start_program "$dist"
program_lines=$E2E_TMP/program.txt
${KD_LATENCY_WRAPPER:-} "$probe" "$presses" >"$program_lines" || true
kill "$KD_PID" 2>/dev/null || true
wait_for 10 program_gone || true
"$probe" --floor "$(( presses / 2 ))" >>"$floor_lines"

# The floor over both runs: the mean of the two medians and of the two 95th percentiles.
read -r floor_median floor_p95 < <(awk '{ for (i = 3; i <= NF; ++i) { split($i, kv, "=");
    if (kv[1] == "median_ms") m += kv[2]; if (kv[1] == "p95_ms") p += kv[2] } n++ }
  END { if (n) printf "%.3f %.3f\n", m / n, p / n; else print "0 0" }' "$floor_lines")
awk -v m="$floor_median" -v p="$floor_p95" -v s="$KD_LATENCY_SCREEN" '{ for (i = 3; i <= NF; ++i) { split($i, kv, "=");
    if (kv[1] == "max_ms" && kv[2] > max) max = kv[2]; if (kv[1] == "presses") n += kv[2]; if (kv[1] == "unseen") u += kv[2] } }
  END { printf "key_latency floor screen=%s mode=fill median_ms=%.2f p95_ms=%.2f max_ms=%.2f presses=%d unseen=%d\n", s, m, p, max, n, u }' \
  "$floor_lines"
awk -v m="$floor_median" -v p="$floor_p95" '$1 == "key_latency" && $2 != "probe" {
    line = $0; med = 0; p95 = 0
    for (i = 3; i <= NF; ++i) { split($i, kv, "="); if (kv[1] == "median_ms") med = kv[2]; if (kv[1] == "p95_ms") p95 = kv[2] }
    if (m > 0 && p > 0) line = sprintf("%s median_vs_floor=%.2f p95_vs_floor=%.2f median_over_floor_ms=%.2f", line, med / m, p95 / p, med - m)
    print line; next }
  { print }' "$program_lines"
grep -q "^key_latency kedoozle" "$program_lines"
