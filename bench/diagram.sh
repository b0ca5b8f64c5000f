#!/usr/bin/env bash
# Laying out, building and painting a full 120-block function block diagram
# offscreen as the editor does (bench/diagram.cpp, the target diagram_bench
# of a build tree). Prints medians in ms; asserts nothing. Goal: under 50 ms.
#   bench/diagram.sh [BUILD_DIR] [RUNS]      (use a Release build dir)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-rel}"
runs="${2:-7}"
if ! built=$(cmake --build "$build" --target diagram_bench 2>&1); then echo "$built" | tail -20; exit 1; fi
type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$build/bench/diagram_bench" "$runs"
[ "$type" = Release ] || echo "note: $build is a ${type:-unnamed} build; figures from a Release build mean more"
