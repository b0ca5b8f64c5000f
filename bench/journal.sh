#!/usr/bin/env bash
# The cost of the exchange journal: the program reads the whole
# configuration from lursim paced at 115200 baud, once with the journal's
# window open beside the main window (every frame logged and shown) and once
# with no journal attached to the link at all. Both kinds of read alternate,
# RUNS reads a process; prints the mean of each and their ratio; asserts
# nothing. Goal: ratio within 1.02.
#   bench/journal.sh [BUILD_DIR] [ROUNDS] [RUNS]      (use a Release build dir)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-rel}"
rounds="${2:-3}"
runs="${3:-3}"
modules=1A783E00  # every kind of page: thermo probe, loop pages, sensor-type page
if ! built=$(cmake --build "$build" --target lursim lurprog 2>&1); then echo "$built"; exit 1; fi

dir=$(mktemp -d)
sim_pid=
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
"$build/sim/lursim" --link "$dir/tty" --modules "$modules" --pace 115200 >"$dir/sim.log" 2>&1 &
sim_pid=$!
for _ in $(seq 200); do grep -q "listening on" "$dir/sim.log" && break; sleep 0.01; done

reads() {  # reads open|off -> one line "read N ms" per read
  QT_QPA_PLATFORM=offscreen LURPROG_BENCH_READ="$runs" LURPROG_BENCH_JOURNAL="$1" \
    timeout 600 "$build/app/lurprog" --port "$dir/tty" 2>"$dir/err" | tee -a "$dir/out" | grep '^read ' || {
    echo "lurprog failed ($1):" >&2; cat "$dir/err" >&2; exit 1; }
}

: >"$dir/open"
: >"$dir/off"
for round in $(seq "$rounds"); do
  reads off | awk '{print $2}' >>"$dir/off"
  reads open | awk '{print $2}' >>"$dir/open"
done

mean() { awk '{ s += $1; n++ } END { printf "%.0f", s / n }' "$1"; }
off=$(mean "$dir/off")
open=$(mean "$dir/open")
echo "whole read, no journal:          $off ms (mean of $(wc -l <"$dir/off") reads: $(tr '\n' ' ' <"$dir/off"))"
echo "whole read, journal window open: $open ms (mean of $(wc -l <"$dir/open") reads: $(tr '\n' ' ' <"$dir/open"))"
grep '^journal window' "$dir/out" | tail -1
awk -v a="$open" -v b="$off" 'BEGIN { printf "ratio open/none: %.3f (goal: within 1.02)\n", a / b }'
