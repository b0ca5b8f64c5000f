#!/usr/bin/env bash
# Installs what is missing, builds, starts the simulated controller on a
# pseudo-terminal with the demonstration configuration, and the program with
# that port offered first.
# Arguments go to the simulator instead of the demonstration configuration
# (./run.sh --modules 16E00000 --fb 60).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target lurprog lursim lurctl lurdemo

rundir="${XDG_RUNTIME_DIR:-/tmp}/lurprog-$(id -u)"
mkdir -p "$rundir"
link="$rundir/ttyLUR0"
log="$rundir/lursim.log"

if [ $# -eq 0 ]; then
  demo="$build/demo/demo.lur"
  # Made again when the program that writes its function blocks is newer.
  [ "$demo" -nt "$build/sim/demo/lurdemo" ] || ./scripts/make-demo-config.sh "$build" "$demo"
  set -- --config "$demo"
fi

"./$build/sim/lursim" --link "$link" "$@" >"$log" 2>&1 &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  grep -q "listening on" "$log" 2>/dev/null && break
  kill -0 $sim 2>/dev/null || { cat "$log"; exit 1; }
  sleep 0.05
done
echo "Simulated controller (device 1) on $link"
echo "Password: 9362 (Enter). Port dialog: OK. Then F9 reads the configuration."
"./$build/app/lurprog" --port "$link"
