#!/usr/bin/env bash
# The program's resident memory (RSS) on an Xvfb of KD_SCREEN (default 1920x1080) with openbox:
# once the main window is up and the title window gone, and again after 100 key presses. Ends
# with the line "rss WHO after_start_mb=.. after_keys_mb=.." (MB of 10^6 bytes).
#   bench/rss.sh [runs]        (default 3; the median of the runs is reported)
# The program comes from KD_DIST (default build/dist); WHO is KD_WHO, else KD_DIST.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export KD_DIST=${KD_DIST:-$root/build/dist}
source "$root/tests/e2e/lib.sh"
runs=${1:-3}

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$KD_PID/status"; }

# rss_settled: the RSS once it has stayed the same for a second (what a key started, a picture
# decoded or a sound played, has finished), or after 20 s.
rss_settled() {
  local last now
  last=$(rss_kb)
  for _ in $(seq 20); do
    sleep 1
    now=$(rss_kb)
    [ "$now" = "$last" ] && break
    last=$now
  done
  echo "$now"
}

# 100 presses over letters, digits and the keys around them, as a child would hit them.
KEYS=(a s d f g h j k l q w e r t y u i o p z x c v b n m 1 2 3 4 5 6 7 8 9 0 space Return
      Tab comma period slash minus equal bracketleft bracketright semicolon apostrophe)

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

start_x "${KD_SCREEN:-1920x1080}"
dist=$(copy_program)
: >"$E2E_TMP/start.kb"
: >"$E2E_TMP/keys.kb"
for run in $(seq "$runs"); do
  start_program "$dist"
  wait_for 10 splash_gone || true
  program_alive || fail "the program ended at start"
  rss_settled >>"$E2E_TMP/start.kb"
  presses=()
  for i in $(seq 0 99); do presses+=("${KEYS[$((i % ${#KEYS[@]}))]}"); done
  xdotool key --delay 30 "${presses[@]}"
  rss_settled >>"$E2E_TMP/keys.kb"
  echo "run $run: after start $(tail -1 "$E2E_TMP/start.kb") kB, after 100 keys $(tail -1 "$E2E_TMP/keys.kb") kB"
  kill "$KD_PID"
  wait_for 10 program_gone || kill -9 "$KD_PID"
done
awk -v who="${KD_WHO:-$KD_DIST}" -v s="$(median <"$E2E_TMP/start.kb")" -v k="$(median <"$E2E_TMP/keys.kb")" \
  'BEGIN { printf "rss %s after_start_mb=%.1f after_keys_mb=%.1f\n", who, s * 1.024e-3, k * 1.024e-3 }'
