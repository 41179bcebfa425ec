# The idle measurement shared by bench/idle_wakeups*.sh: CPU ticks and wake-ups (context
# switches) per second of each thread of process KD_PID over a quiet stretch.

# idle_sample: "tid name ticks switches" for every thread.
idle_sample() {
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

# idle_measure SECONDS LABEL [FIGURE]: samples, waits, samples again and prints the table; with
# FIGURE, then the line "FIGURE WHO per_second=.. seconds=.." (WHO: KD_WHO, else KD_DIST) with
# the wake-ups per second of all threads together.
idle_measure() {
  local seconds=$1 figure=${3:-}
  idle_sample >"$E2E_TMP/before"
  sleep "$seconds"
  idle_sample >"$E2E_TMP/after"
  echo "idle for $seconds s$2:"
  printf '%-8s %-18s %8s %12s\n' thread name ticks wakeups/s
  join <(sort "$E2E_TMP/before") <(sort "$E2E_TMP/after") | awk -v s="$seconds" -v f="$figure" \
    -v who="${KD_WHO:-${KD_DIST:-program}}" '
    { ticks = $6 - $3; wakes = ($7 - $4) / s; total_t += ticks; total_w += wakes
      printf "%-8s %-18s %8d %12.1f\n", $1, $2, ticks, wakes }
    END { printf "%-8s %-18s %8d %12.1f\n", "all", "", total_t, total_w
          if (f != "") printf "%s %s per_second=%.3f seconds=%d\n", f, who, total_w, s }'
}
