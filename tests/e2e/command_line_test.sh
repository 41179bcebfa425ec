#!/usr/bin/env bash
# The command line of both programs: --help and --version answer on the standard output with
# status 0; an unknown option or a stray argument gives one line on the error output and
# status 2. None of these starts play: with a display at hand, the program never even
# connects to it (the server logs every client with its process id), so no window shows and
# no key is grabbed.
source "$(dirname "$0")/lib.sh"

program=${KD_DIST:?}/Kedoozle
kdmodule=${KD_BUILD:?}/tools/kdmodule/kdmodule

Xvfb -displayfd 3 -audit 4 -screen 0 640x480x24 -nolisten tcp 3>"$E2E_TMP/display.num" \
  >"$E2E_TMP/xvfb.log" 2>&1 &
E2E_PIDS+=($!)
wait_for 30 display_number_written || fail "Xvfb did not start"
export DISPLAY=":$(tr -dc '0-9' <"$E2E_TMP/display.num")"

# run NAME STATUS PROGRAM ARGS...: runs with a deadline, checks the status, keeps the output
# in $E2E_TMP/NAME.out and .err and the process id in $E2E_TMP/pids.
run() {
  local name=$1 want=$2 status=0
  shift 2
  SDL_AUDIODRIVER=dummy "$@" >"$E2E_TMP/$name.out" 2>"$E2E_TMP/$name.err" &
  local pid=$!
  E2E_PIDS+=($pid)
  echo "$pid" >>"$E2E_TMP/pids"
  wait_for 20 pids_gone "$pid" || fail "$* is still running: it started play"
  wait "$pid" || status=$?
  [ "$status" = "$want" ] || fail "$* ended with status $status, not $want: $(head -3 "$E2E_TMP/$name.err")"
}
one_line_naming() {
  [ "$(wc -l <"$E2E_TMP/$1.err")" = 1 ] && grep -qF -- "$2" "$E2E_TMP/$1.err" ||
    fail "$1: not one line naming '$2' on the error output: $(cat "$E2E_TMP/$1.err")"
  [ ! -s "$E2E_TMP/$1.out" ] || fail "$1: a wrong command line printed on the standard output"
}

for help in --help -h; do
  run "help$help" 0 "$program" "$help"
  for part in '^Usage:' '^Options:' '^  --version' '^Settings:' 'MousePlay=' '^Files:' '/usr/share/kedoozle/' \
              '^Exit status:' '  2  the command line is wrong'; do
    grep -q -- "$part" "$E2E_TMP/help$help.out" || fail "kedoozle $help lacks $part"
  done
done
run version 0 "$program" --version
grep -qx 'Kedoozle [0-9][0-9.]*' "$E2E_TMP/version.out" || fail "kedoozle --version: $(cat "$E2E_TMP/version.out")"
run bad_option 2 "$program" --fullscreen
one_line_naming bad_option "unknown option '--fullscreen'"
run stray_argument 2 "$program" Kedoozle.ini
one_line_naming stray_argument "'Kedoozle.ini'"
run help_and_more 2 "$program" --help --sound=0
one_line_naming help_and_more "'--sound=0'"

run kd_help 0 "$kdmodule" --help
grep -q '^Usage:' "$E2E_TMP/kd_help.out" && grep -q '^Exit status:' "$E2E_TMP/kd_help.out" || fail "kdmodule --help is incomplete"
run kd_version 0 "$kdmodule" --version
grep -qx 'kdmodule (Kedoozle) [0-9][0-9.]*' "$E2E_TMP/kd_version.out" || fail "kdmodule --version: $(cat "$E2E_TMP/kd_version.out")"
run kd_bad_option 2 "$kdmodule" --frobnicate
one_line_naming kd_bad_option "unknown option '--frobnicate'"
run kd_bad_command 2 "$kdmodule" unpack
one_line_naming kd_bad_command "unknown command 'unpack'"

# A client of our own, seen in the server's log, shows the log is up to date; none of the
# runs above is in it.
xdpyinfo >/dev/null &
probe=$!
wait "$probe" || fail "the display does not answer"
connected_pids() { sed -n 's/.* connected from .*pid=\([0-9]*\).*/\1/p' "$E2E_TMP/xvfb.log"; }
probe_logged() { connected_pids | grep -qx "$probe"; }
wait_for 10 probe_logged || fail "the server does not log its clients (-audit)"
while read -r pid; do
  ! connected_pids | grep -qx "$pid" || fail "a run with a command-line answer connected to the display"
done <"$E2E_TMP/pids"
echo "PASS"
