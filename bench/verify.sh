#!/usr/bin/env bash
# What the check after a write adds: lurctl write against lursim paced at
# 115200 baud, with its read-back (the default) and without it
# (--no-verify). Prints both wall times a run, the time the check added,
# its ratio to the write alone, and the floor of the read-back (per page the
# 25 ms request delay and the wire time of request and answer at 11 bits a
# byte); asserts nothing. Expected: the check adds well under half a write,
# since a write also waits 350 ms of pauses a page that a read does not.
#   bench/verify.sh [BUILD_DIR] [RUNS]      (use a Release build dir)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-rel}"
runs="${2:-3}"
baud=115200
modules=1A783E00  # every kind of page
if ! built=$(cmake --build "$build" --target lursim lurctl 2>&1); then echo "$built"; exit 1; fi

dir=$(mktemp -d)
sim_pid=
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
"$build/sim/lursim" --link "$dir/tty" --modules "$modules" --pace "$baud" >"$dir/sim.log" 2>&1 &
sim_pid=$!
for _ in $(seq 200); do grep -q "listening on" "$dir/sim.log" && break; sleep 0.01; done

lurctl=("$build/cli/lurctl" --port "$dir/tty" --stop 1 --baud "$baud")
"${lurctl[@]}" read -o "$dir/conf.lur" >/dev/null 2>"$dir/err" || { echo "read failed:"; cat "$dir/err"; exit 1; }

# The pages a write of these modules sends, and their lengths after the page number.
pages="10:193 9:120 11:80"
for p in 1 2 3 4 5 6 7 8; do pages+=" $p:168"; done
for p in $(seq 12 19); do pages+=" $p:192"; done
for p in $(seq 20 31); do pages+=" $p:160"; done
pages+=" 32:168 33:168 35:96"
for p in $(seq 40 51); do pages+=" $p:224"; done
pages+=" 98:16"
floor=$(awk -v baud="$baud" -v pages="$pages" 'BEGIN {
  wire = 11000.0 / baud; t = 0
  n = split(pages, list, " ")
  for (i = 1; i <= n; i++) { split(list[i], f, ":"); t += 25 + (5 + 5 + f[2] + 6) * wire }
  printf "%.0f", t }')

wall_ms() {  # wall_ms command... -> milliseconds of one run
  /usr/bin/time -f "%e" -o "$dir/time" "$@" >/dev/null 2>"$dir/err" || { echo "failed:" >&2; cat "$dir/err" >&2; exit 1; }
  awk '{ printf "%.0f", $1 * 1000 }' "$dir/time"
}

write=("${lurctl[@]}" write "$dir/conf.lur" --password 9362 --password-file "$dir/none")
for run in $(seq "$runs"); do
  plain=$(wall_ms "${write[@]}" --no-verify)
  checked=$(wall_ms "${write[@]}")
  awk -v r="$run" -v p="$plain" -v c="$checked" -v f="$floor" 'BEGIN {
    a = c - p
    printf "run %d: write %d ms, write + check %d ms, check added %d ms = %.3f of the write; check floor %d ms, ratio %.3f\n",
           r, p, c, a, a / p, f, a / f }'
done
