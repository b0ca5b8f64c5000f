#!/usr/bin/env bash
# Laying out, building and painting a full 120-block function block diagram
# offscreen as the editor does (bench/diagram.cpp), against the libraries of
# a build tree. Prints medians in ms; asserts nothing. Goal: under 50 ms.
#   bench/diagram.sh [BUILD_DIR] [RUNS]      (use a Release build dir)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-rel}"
runs="${2:-7}"
if ! built=$(cmake --build "$build" --target lur_fb_views lur_fb lur_fb_widgets lur_model 2>&1); then echo "$built"; exit 1; fi
root=$PWD
build=$(cd "$build" && pwd)
type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
sanitize=$(sed -n 's/^LUR_SANITIZE:[A-Z]*=//p' "$build/CMakeCache.txt")

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# A throwaway project: the program linked to the tree's own libraries.
cat >"$dir/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.16)
project(diagram_bench CXX)
set(CMAKE_CXX_STANDARD 20)
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(diagram_bench $root/bench/diagram.cpp)
target_include_directories(diagram_bench PRIVATE $root/src)
target_link_libraries(diagram_bench $build/src/fb/liblur_fb_views.a $build/src/fb/liblur_fb.a
                      $build/src/fb/widgets/liblur_fb_widgets.a $build/src/liblur_model.a Qt6::Widgets)
if("$sanitize" STREQUAL "ON")
  target_compile_options(diagram_bench PRIVATE -fsanitize=address,undefined)
  target_link_options(diagram_bench PRIVATE -fsanitize=address,undefined)
endif()
CMAKE
cmake -S "$dir" -B "$dir/b" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir/b" >/dev/null
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$dir/b/diagram_bench" "$runs" 2>/dev/null
[ "$type" = Release ] || echo "note: $build is a ${type:-unnamed} build; figures from a Release build mean more"
