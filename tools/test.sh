#!/usr/bin/env bash
# Builds tabulo twice, with warnings as errors, and runs the whole test suite
# on each build: a normal build, and one under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)

build_and_test() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja -DTABULO_WERROR=ON "$@"
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

build_and_test build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
  build_and_test build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTABULO_SANITIZE=ON
