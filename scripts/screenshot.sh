#!/usr/bin/env bash
# The pictures in the README: lurprog reads the demonstration configuration
# from the simulated controller under a virtual X server and saves its main
# window, or with WINDOW=TFormFB the function block editor over it.
# usage: scripts/screenshot.sh [OUT.png]   (BUILD=dir to use another build)
#        WINDOW=TFormFB scripts/screenshot.sh docs/fb-editor.png
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/main-window.png}")
build=${BUILD:-build}
./scripts/install-deps.sh
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target lurprog lursim lurctl lurdemo

work=$(mktemp -d)
sim=""
cleanup() {
  [ -n "$sim" ] && kill "$sim" 2>/dev/null && wait "$sim" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

./scripts/make-demo-config.sh "$build" "$work/demo.lur"
"$build/sim/lursim" --link "$work/tty" --config "$work/demo.lur" >"$work/lursim.log" 2>&1 &
sim=$!
for _ in $(seq 100); do
  grep -q "listening on" "$work/lursim.log" 2>/dev/null && break
  kill -0 "$sim" 2>/dev/null || { cat "$work/lursim.log"; exit 1; }
  sleep 0.05
done

mkdir -p "$(dirname "$out")"
rm -f "$out"
LURPROG_SCREENSHOT="$out" LURPROG_SCREENSHOT_WINDOW="${WINDOW:-}" XDG_CONFIG_HOME="$work/config" \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/app/lurprog" --port "$work/tty"
[ -s "$out" ] || { echo "no picture was made" >&2; exit 1; }
echo "$out"
