#!/usr/bin/env bash
# Fuzzes the table loaders for a given time (seconds, default 60) with
# libFuzzer under clang with ASan and UBSan, then merges the inputs that
# reached new code into tests/fuzz/corpus, which the ordinary test run
# replays. A crash leaves its input in tests/fuzz/ as crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUR_FUZZ=ON -DLUR_SANITIZE=ON >/dev/null
cmake --build "$build" --target model_fuzz >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp tests/fuzz/corpus/* "$work/"
"$build/tests/model_fuzz" "$work" -max_total_time="$seconds" -artifact_prefix=tests/fuzz/ -print_final_stats=1 2>&1 \
  | grep -E "^#|stat::|ERROR|SUMMARY" | tail -n 8
"$build/tests/model_fuzz" -merge=1 tests/fuzz/corpus "$work" 2>&1 | grep -E "MERGE-OUTER: [0-9]+ new files" || true
echo "corpus: $(ls tests/fuzz/corpus | wc -l) inputs"
