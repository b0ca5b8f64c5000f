#!/usr/bin/env bash
# Fuzzes one target for a given time with libFuzzer under clang with ASan and
# UBSan, then merges the inputs that reached new code into
# tests/fuzz/corpus/TARGET, which the ordinary test run replays, and prints
# the run's figures (executions, executions per second, edges).
#   scripts/fuzz.sh TARGET [SECONDS]
# TARGET: model (the table loaders), link (a transaction fed arbitrary
# answers), sim (lursim's controller fed arbitrary requests), frames (its
# request assembler fed arbitrary line bytes). SECONDS defaults to 60.
# A crash leaves its input in tests/fuzz/ as crash-* (or leak-*, timeout-*).
set -euo pipefail
cd "$(dirname "$0")/.."
usage() { echo "usage: scripts/fuzz.sh model|link|sim|frames [SECONDS]" >&2; exit 2; }
[ $# -ge 1 ] || usage
target="$1"
seconds="${2:-60}"
case "$target" in model|link|sim|frames) ;; *) usage ;; esac
[[ "$seconds" =~ ^[0-9]+$ ]] || usage

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUR_FUZZ=ON -DLUR_SANITIZE=ON >/dev/null
cmake --build "$build" --target "${target}_fuzz" >/dev/null
fuzzer="$build/tests/${target}_fuzz"
corpus="tests/fuzz/corpus/$target"
mkdir -p "$corpus"

work=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$work" "$log"' EXIT
cp -r "$corpus"/. "$work/"
status=0
"$fuzzer" "$work" -max_total_time="$seconds" -artifact_prefix=tests/fuzz/ -print_final_stats=1 \
  >"$log" 2>&1 || status=$?
grep -E "ERROR|SUMMARY|^==" "$log" | head -n 20 || true
"$fuzzer" -merge=1 "$corpus" "$work" 2>&1 | grep -E "MERGE-OUTER: [0-9]+ new files" || true

# The figures: the last status line and libFuzzer's final statistics.
last=$(grep -E "^#[0-9]+" "$log" | tail -n 1 || true)
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
edges=$(echo "$last" | sed -n 's/.*cov: \([0-9]*\).*/\1/p')
features=$(echo "$last" | sed -n 's/.*ft: \([0-9]*\).*/\1/p')
echo "target $target: ${seconds} s, ${runs:-?} executions, ${rate:-?} exec/s, ${edges:-?} edges, ${features:-?} features"
echo "corpus: $(ls "$corpus" | wc -l) inputs, $(du -sh "$corpus" | cut -f1)"
exit "$status"
