#!/usr/bin/env bash
# Makes the demonstration configuration: a discrete input module, an analog
# input module, a relay module and a control loop module on a display of
# type 0, with the discrete processing and exchange blocks the simulated
# controller starts with, read through lurctl into a .lur file; then lurdemo
# adds a function block program of every block type to the few blocks served,
# with calculation blocks and two algorithms (which only a file holds).
# usage: scripts/make-demo-config.sh BUILD_DIR OUT.lur
set -euo pipefail
build=${1:?build directory}
out=${2:?output file}
cmake --build "$build" --target lurdemo >/dev/null

work=$(mktemp -d)
sim=""
cleanup() {
  [ -n "$sim" ] && kill "$sim" 2>/dev/null && wait "$sim" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

"$build/sim/lursim" --link "$work/tty" --modules 173E0000 --display 0 >"$work/lursim.log" 2>&1 &
sim=$!
for _ in $(seq 100); do
  grep -q "listening on" "$work/lursim.log" 2>/dev/null && break
  kill -0 "$sim" 2>/dev/null || { cat "$work/lursim.log"; exit 1; }
  sleep 0.05
done
mkdir -p "$(dirname "$out")"
"$build/cli/lurctl" --port "$work/tty" read -o "$out"
"$build/sim/demo/lurdemo" "$out"
