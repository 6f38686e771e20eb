#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks the formatting and the names, builds, and runs every test:
# once as a Release build and once with AddressSanitizer and UndefinedBehaviorSanitizer, both
# with warnings as errors; then a short run of every fuzz target (clang, libFuzzer) over its
# seeds.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh test
jobs=$(nproc)

# Every name in the case of .clang-tidy, over the sources a build compiles (the database of
# build folder $1, the files under the folders $2). A naming finding fails the run, and so does
# a crash (a file left unchecked). clang 14's own errors do not: it cannot compile a few C++20
# forms that g++ takes (a lambda capturing a structured binding), and still checks the rest.
check_names() {
    local out
    out=$(run-clang-tidy-14 -p "$1" -quiet -j "$jobs" -checks='-*,readability-identifier-naming' \
        -extra-arg=-Wno-unknown-warning-option "^$PWD/($2)/" 2>&1 | sed 's/\x1b\[[0-9;]*m//g' || true)
    if grep -qE '\[readability-identifier-naming|PLEASE submit a bug report' <<<"$out"; then
        grep -E -A3 '\[readability-identifier-naming|PLEASE submit|Error while processing' <<<"$out"
        return 1
    fi
}

# The C++ files of the tree, found without git: a copy without a repository (a release
# tarball, a Debian source package) is checked as a clone is. The build folders hold none.
cpp_files() {
    find . \( -name .git -o -name 'build*' \) -prune -o -type f \( -name '*.h' -o -name '*.cpp' \) \
        -printf '%P\0' | sort -z
}

# Every C++ file formatted by .clang-format.
mapfile -d '' sources < <(cpp_files)
[[ ${#sources[@]} -gt 0 ]] || { echo "test.sh: no C++ file found to check" >&2; exit 1; }
clang-format --dry-run -Werror "${sources[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DRODWICK_BENCHMARKS=ON -DRODWICK_WERROR=ON
# The first stage alone (the installs, the formatting, the configuration): what a test runs in
# a copy of the tree without git.
[[ ${RODWICK_TEST_STAGES:-all} == first ]] && exit 0
check_names build 'src|tests|bench'
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
check_names build-fuzz fuzz
cmake --build build-fuzz -j "$jobs"
ctest --test-dir build-fuzz --output-on-failure -j "$jobs"
