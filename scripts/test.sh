#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once as a Release build and once
# with AddressSanitizer and UndefinedBehaviorSanitizer, both with warnings as errors; then a
# short run of every fuzz target (clang, libFuzzer) over its seeds.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh test
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DRODWICK_BENCHMARKS=ON -DRODWICK_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRODWICK_SANITIZE=ON \
      -DRODWICK_WERROR=ON
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DRODWICK_FUZZ=ON -DRODWICK_WERROR=ON
cmake --build build-fuzz -j "$jobs"
ctest --test-dir build-fuzz --output-on-failure -j "$jobs"
