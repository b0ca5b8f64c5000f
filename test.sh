#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UBSan, and runs
# every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

build=build-test
# Warnings fail the build: it is kept warning-free with GCC and Clang.
cmake -S . -B "$build" -G Ninja -DLUR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
ctest --output-on-failure -j 2 --timeout 600
