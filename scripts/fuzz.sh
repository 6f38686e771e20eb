#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang in build-fuzz/ and runs each one in turn for SECONDS
# (60 by default), growing new inputs from the seeds in fuzz/corpus/ into build-fuzz/scratch/.
# An input that breaks a target is written to build-fuzz/scratch/ (crash-..., leak-...);
# each target's full output is in build-fuzz/<target>.log.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if [[ ! "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: scripts/fuzz.sh [SECONDS]  (seconds per target)" >&2
    exit 2
fi

bash scripts/deps.sh test
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DRODWICK_FUZZ=ON -DRODWICK_WERROR=ON
cmake --build build-fuzz

status=0
for seeds in fuzz/corpus/*/; do
    target=$(basename "$seeds")
    log=build-fuzz/$target.log
    echo "== $target, $seconds s"
    if ! bash fuzz/run_fuzzer.sh "build-fuzz/bin/${target}_fuzzer" "$seeds" \
            "build-fuzz/scratch/$target" -max_total_time="$seconds" >"$log" 2>&1; then
        status=1
        grep -E 'ERROR|property broken|Test unit written' "$log" || tail -n 20 "$log"
    fi
    grep -E '^stat::number_of_executed_units' "$log" || true
done
exit $status
