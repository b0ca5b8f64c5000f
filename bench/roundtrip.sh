#!/usr/bin/env bash
# One request and its answer against lursim: `lurctl raw 03 ...` beside
# mbpoll on the same line, whole commands (start-up included), and the cost
# of a silent line. Prints figures and ratios; asserts nothing.
#   bench/roundtrip.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
runs="${2:-20}"
cmake --build "$build" --target lursim lurctl >/dev/null

dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
start_sim() {
  "$build/sim/lursim" --link "$dir/tty" "$@" >"$dir/sim.log" 2>&1 &
  for _ in $(seq 200); do grep -q "listening on" "$dir/sim.log" && return; sleep 0.01; done
  echo "lursim did not start"; exit 1
}
now_ms() { date +%s%3N; }
time_runs() {  # time_runs N command... -> mean ms per run
  local t0 t1
  t0=$(now_ms)
  for _ in $(seq "$1"); do "${@:2}" >/dev/null; done
  t1=$(now_ms)
  echo $(( (t1 - t0) / $1 ))
}

for pace in 0 9600 115200; do
  if [ "$pace" = 0 ]; then start_sim; label="unpaced pty"; else start_sim --pace "$pace"; label="paced at $pace baud"; fi
  ours=$(time_runs "$runs" "$build/cli/lurctl" --port "$dir/tty" --request-delay 1 raw 03 00 00 00 01)
  ours25=$(time_runs "$runs" "$build/cli/lurctl" --port "$dir/tty" raw 03 00 00 00 01)
  theirs=$(time_runs "$runs" mbpoll -m rtu -a 1 -b 9600 -P none -t 4 -0 -r 0 -c 1 -1 -q "$dir/tty")
  echo "round trip, $label: lurctl ${ours} ms (request delay 1 ms), ${ours25} ms (25 ms); mbpoll ${theirs} ms;" \
       "ratio lurctl/mbpoll $(awk -v a="$ours" -v b="$theirs" 'BEGIN{printf "%.2f", a/(b>0?b:1)}')"
  kill %1; wait %1 2>/dev/null || true
done

start_sim --silent
t0=$(now_ms)
"$build/cli/lurctl" --port "$dir/tty" identify >/dev/null 2>&1 || true
t1=$(now_ms)
echo "silent line: lurctl identify gave up after $((t1 - t0)) ms (5 attempts; expected about 8,125 ms)"
