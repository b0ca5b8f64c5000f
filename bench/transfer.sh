#!/usr/bin/env bash
# A whole-configuration read and write with lurctl against lursim paced at
# 115200 baud, set against their floor: per request the 25 ms request delay
# and the wire time of request and answer at 11 bits a byte; per page write
# also the 50 ms and 300 ms pauses of the page write and its completion poll.
# Prints wall time, floor, their ratio and CPU time as a share of wall time;
# asserts nothing. Goals: read within 5 % of its floor, CPU under 5 % of wall.
#   bench/transfer.sh [BUILD_DIR] [RUNS]      (use a Release build dir)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-rel}"
runs="${2:-3}"
baud=115200
modules=1A783E00  # every kind of page: thermo probe, loop pages, sensor-type page
if ! built=$(cmake --build "$build" --target lursim lurctl 2>&1); then echo "$built"; exit 1; fi

dir=$(mktemp -d)
sim_pid=
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
"$build/sim/lursim" --link "$dir/tty" --modules "$modules" --pace "$baud" >"$dir/sim.log" 2>&1 &
sim_pid=$!
for _ in $(seq 200); do grep -q "listening on" "$dir/sim.log" && break; sleep 0.01; done

# Page lengths after the page number, in transfer order, for these modules
# and 120 function blocks.
read_pages="10:193 61:42"
for p in 1 2 3 4 5 6 7 8; do read_pages+=" $p:168"; done
read_pages+=" 9:120 11:80"
for p in $(seq 12 19); do read_pages+=" $p:192"; done
for p in $(seq 20 31); do read_pages+=" $p:160"; done
read_pages+=" 32:168 33:168 35:96"
for p in $(seq 40 51); do read_pages+=" $p:224"; done
read_pages+=" 98:16"
# The write sends the same pages but the probe; before them the identity and
# the read of page 26 (does the controller hold 120 blocks?).
write_pages=$(echo "$read_pages" | tr ' ' '\n' | grep -v '^10:\|^61:' | tr '\n' ' ')
write_pages="10:193 $write_pages"

floor_ms() {  # floor_ms read|write
  awk -v kind="$1" -v baud="$baud" -v pages="$read_pages" -v wpages="$write_pages" 'BEGIN {
    wire = 11000.0 / baud                  # ms a byte
    t = 25 + (4 + 20) * wire               # identity: 4-byte request, 15 bytes of data
    if (kind == "read") {
      n = split(pages, list, " ")
      for (i = 1; i <= n; i++) { split(list[i], f, ":"); t += 25 + (5 + f[2] + 6) * wire }
    } else {
      t += 25 + (5 + 160 + 6) * wire       # page 26
      n = split(wpages, list, " ")
      for (i = 1; i <= n; i++) {
        split(list[i], f, ":")
        t += 50 + 25 + (2 + 1 + f[2] + 2 + 6) * wire   # 0x45: page number and bytes; answer echoes the page
        t += 300 + 25 + (4 + 4) * wire                 # completion poll and its echo
      }
    }
    printf "%.0f", t
  }'
}

measure() {  # measure LABEL FLOOR command... -> one line per run
  local label=$1 floor=$2
  shift 2
  for run in $(seq "$runs"); do
    /usr/bin/time -f "%e %U %S" -o "$dir/time" "$@" >/dev/null 2>"$dir/err" || {
      echo "$label failed:"; cat "$dir/err"; exit 1; }
    read -r wall user sys <"$dir/time"
    awk -v l="$label" -v r="$run" -v w="$wall" -v u="$user" -v s="$sys" -v f="$floor" 'BEGIN {
      printf "%s run %d: wall %.0f ms, floor %d ms, ratio %.3f; CPU %.0f ms = %.1f %% of wall\n",
             l, r, w * 1000, f, w * 1000 / f, (u + s) * 1000, 100 * (u + s) / w }'
  done
}

lurctl=("$build/cli/lurctl" --port "$dir/tty" --stop 1 --baud "$baud")
measure "read " "$(floor_ms read)" "${lurctl[@]}" read -o "$dir/conf.lur"
measure "write" "$(floor_ms write)" "${lurctl[@]}" write "$dir/conf.lur" --password 9362 --password-file "$dir/none" \
  --no-verify  # the write alone: bench/verify.sh measures its check
