#!/usr/bin/env bash
# The search of a silent bus (lursim --silent: no address answers) with
# `lurctl scan`, at the default time-out and at shorter ones. Prints, per
# run, the scan's own time, its bound (31 x (request delay + the request on
# the line + 10 ms + time-out)), their ratio, the time per address, and the
# whole command's wall time (start-up and port opening included). Asserts
# nothing. The goal: the ratio at most 1 on every run.
#   bench/scan.sh [BUILD_DIR] [RUNS]      (use a Release build dir)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-rel}"
runs="${2:-3}"
if ! built=$(cmake --build "$build" --target lursim lurctl 2>&1); then echo "$built"; exit 1; fi

dir=$(mktemp -d)
sim_pid=
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
"$build/sim/lursim" --link "$dir/tty" --silent >"$dir/sim.log" 2>&1 &
sim_pid=$!
for _ in $(seq 200); do grep -qs "listening on" "$dir/sim.log" && break; sleep 0.01; done

figure() {  # figure NAME < json -> its number
  sed -n "s/.*\"$1\": \([0-9]*\).*/\1/p"
}

for timeout in 300 100 30; do
  for run in $(seq "$runs"); do
    t0=$(date +%s%3N)
    # Exit 1: nobody answered, which is the point here.
    "$build/cli/lurctl" --port "$dir/tty" scan --timeout "$timeout" --json >"$dir/out" 2>"$dir/err" || true
    t1=$(date +%s%3N)
    if ! grep -q '"probed": 31' "$dir/out"; then echo "scan failed:"; cat "$dir/out" "$dir/err"; exit 1; fi
    elapsed=$(figure elapsed_ms <"$dir/out")
    bound=$(figure bound_ms <"$dir/out")
    awk -v t="$timeout" -v r="$run" -v e="$elapsed" -v b="$bound" -v w=$((t1 - t0)) 'BEGIN {
      printf "silent bus, time-out %3d ms, run %d: scan %5d ms, bound %5d ms, ratio %.3f; %.1f ms an address; lurctl %5d ms\n",
             t, r, e, b, e / b, e / 31, w }'
  done
done
