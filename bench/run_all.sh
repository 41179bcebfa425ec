#!/usr/bin/env bash
# Every benchmark script of bench/ for two program folders, "before" and "after", side by side:
#   bench/run_all.sh BEFORE-FOLDER AFTER-FOLDER [ROUNDS]
#   KD_BEFORE=... KD_AFTER=... bench/run_all.sh
# Each script (bench/*.sh but lib_*.sh and this one) runs once per folder and round, with
# KD_DIST set to the folder; the two alternate, and their order turns round each round, so
# that both meet the same load on the machine. The lines the scripts print in the form
#   <figure> <who> key=value ...
# are collected: values that are numbers are measures, the others (screen=1920x1080,
# mode=KeyType) tell rows apart. The median over the rounds of each measure goes into one
# markdown table per figure, before against after, with their ratio. A script that can start
# both programs in turn itself (it reads KD_DIST_BEFORE, and names the before program's lines
# <who>@before) gets both folders in one run per round: start-up is compared start by start.
# Lines of peers and floors measured in such a run count for both sides. A script that is missing,
# fails or prints no such line is noted and the others go on.
#   KD_BENCH_ONLY="startup_time key_latency"   only these scripts
#   KD_BENCH_SKIP="idle_wakeups_wayland"       all but these
#   KD_BENCH_OUT=folder                        where the raw lines and logs go (default: a new
#                                              folder in /tmp, named on the error output)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
before=${1:-${KD_BEFORE:-}}
after=${2:-${KD_AFTER:-}}
rounds=${3:-${KD_ROUNDS:-1}}
if [ -z "$before" ] || [ -z "$after" ]; then
  echo "usage: bench/run_all.sh BEFORE-FOLDER AFTER-FOLDER [ROUNDS]  (or KD_BEFORE, KD_AFTER, KD_ROUNDS)" >&2
  exit 2
fi
for folder in "$before" "$after"; do
  [ -x "$folder/Kedoozle" ] || { echo "run_all.sh: no program in $folder" >&2; exit 2; }
done
before=$(cd "$before" && pwd)
after=$(cd "$after" && pwd)
out=${KD_BENCH_OUT:-$(mktemp -d /tmp/kedoozle-bench.XXXXXX)}
mkdir -p "$out"
echo "run_all.sh: raw lines and logs in $out" >&2
: >"$out/lines.txt"
notes=()

scripts=()
for script in "$root"/bench/*.sh; do
  name=$(basename "$script" .sh)
  case $name in lib_* | run_all) continue ;; esac
  if [ -n "${KD_BENCH_ONLY:-}" ] && [[ " $KD_BENCH_ONLY " != *" $name "* ]]; then continue; fi
  if [[ " ${KD_BENCH_SKIP:-} " == *" $name "* ]]; then continue; fi
  scripts+=("$name")
done
# A script asked for by name that is not there is worth a note.
for name in ${KD_BENCH_ONLY:-}; do
  [ -f "$root/bench/$name.sh" ] || notes+=("$name: no such script in bench/")
done

# run_one NAME SIDE ROUND: runs the script for one folder and keeps its result lines, each
# prefixed with the side and the round.
run_one() {
  local name=$1 side=$2 round=$3 folder log status
  folder=$before
  [ "$side" = after ] && folder=$after
  log="$out/$name.$side.$round.log"
  echo "run_all.sh: $name, $side, round $round" >&2
  KD_DIST=$folder bash "$root/bench/$name.sh" >"$log" 2>"$log.err"
  status=$?
  [ $status = 0 ] || notes+=("$name ($side, round $round) ended with status $status; see $log.err")
  awk -v side="$side" -v round="$round" '
    NF >= 3 && $1 ~ /^[a-z][a-z0-9_]*$/ && $2 !~ /=/ {
      for (i = 3; i <= NF; ++i) if ($i !~ /^[A-Za-z0-9_]+=[^=]+$/) next
      print side, round, $0 }' "$log" >"$log.lines"
  [ -s "$log.lines" ] || notes+=("$name ($side, round $round) printed no result lines")
  cat "$log.lines" >>"$out/lines.txt"
}

# run_paired NAME ROUND: one run of a script that starts both programs in turn.
run_paired() {
  local name=$1 round=$2 log status
  log="$out/$name.both.$round.log"
  echo "run_all.sh: $name, both, round $round" >&2
  KD_DIST=$after KD_DIST_BEFORE=$before bash "$root/bench/$name.sh" >"$log" 2>"$log.err"
  status=$?
  [ $status = 0 ] || notes+=("$name (round $round) ended with status $status; see $log.err")
  awk -v round="$round" '
    NF >= 3 && $1 ~ /^[a-z][a-z0-9_]*$/ && $2 !~ /=/ {
      for (i = 3; i <= NF; ++i) if ($i !~ /^[A-Za-z0-9_]+=[^=]+$/) next
      if ($2 ~ /@before$/) { sub(/@before$/, "", $2); print "before", round, $0 }
      else if ($2 == "kedoozle") print "after", round, $0
      else { print "before", round, $0; print "after", round, $0 } }' "$log" >"$log.lines"
  [ -s "$log.lines" ] || notes+=("$name (round $round) printed no result lines")
  cat "$log.lines" >>"$out/lines.txt"
}

for round in $(seq 1 "$rounds"); do
  for name in "${scripts[@]}"; do
    if grep -q KD_DIST_BEFORE "$root/bench/$name.sh"; then
      run_paired "$name" "$round"
    elif [ $((round % 2)) = 1 ]; then
      run_one "$name" before "$round"; run_one "$name" after "$round"
    else
      run_one "$name" after "$round"; run_one "$name" before "$round"
    fi
  done
done

echo "# Benchmarks: before against after"
echo
echo "- before: \`$before\`"
echo "- after: \`$after\`"
echo "- rounds: $rounds, on $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg) at the end"
echo
# One row per figure, who, the non-numeric fields and measure; the median over the rounds.
awk '
  function median(list,   n, v, i, j, t) {
    n = split(list, v, " ")
    for (i = 1; i <= n; ++i) for (j = i + 1; j <= n; ++j) if (v[j] + 0 < v[i] + 0) { t = v[i]; v[i] = v[j]; v[j] = t }
    if (n == 0) return ""
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
  }
  {
    side = $1; figure = $3; who = $4; tags = ""
    for (i = 5; i <= NF; ++i) {
      split($i, kv, "=")
      if (kv[2] !~ /^-?[0-9]+(\.[0-9]+)?$/) tags = tags (tags == "" ? "" : " ") $i
    }
    for (i = 5; i <= NF; ++i) {
      split($i, kv, "=")
      if (kv[2] !~ /^-?[0-9]+(\.[0-9]+)?$/) continue
      row = figure SUBSEP who SUBSEP tags SUBSEP kv[1]
      if (!(row in seen)) { seen[row] = 1; order[++rows] = row }
      values[row, side] = values[row, side] " " kv[2]
    }
  }
  END {
    last = ""
    for (r = 1; r <= rows; ++r) {
      split(order[r], f, SUBSEP)
      if (f[1] != last) {
        printf "%s## %s\n\n| who | | measure | before | after | after/before |\n|---|---|---|---:|---:|---:|\n", (last == "" ? "" : "\n"), f[1]
        last = f[1]
      }
      b = median(values[order[r], "before"]); a = median(values[order[r], "after"])
      ratio = (b != "" && a != "" && b + 0 != 0) ? sprintf("%.2f", a / b) : ""
      printf "| %s | %s | %s | %s | %s | %s |\n", f[2], f[3], f[4], b, a, ratio
    }
  }' "$out/lines.txt"
if [ ${#notes[@]} -gt 0 ]; then
  echo
  echo "Notes:"
  for note in "${notes[@]}"; do echo "- $note"; done
fi
exit 0
