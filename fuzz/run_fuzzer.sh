#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one fuzz target: first every seed once as it stands, then the given number of runs or
# seconds of new inputs grown from the seeds, kept in a scratch folder.
# Usage: run_fuzzer.sh TARGET SEEDS SCRATCH [libFuzzer options...]
set -euo pipefail
target=$1 seeds=$2 scratch=$3
shift 3
mkdir -p "$scratch"
# Found faults are written beside the scratch folder, where they outlive the run.
"$target" -artifact_prefix="$scratch/../" "$seeds"/*
# Inputs past 4 KiB hold more records, not new paths, and slow each run down.
exec "$target" -artifact_prefix="$scratch/../" -max_len=4096 -print_final_stats=1 "$@" \
    "$scratch" "$seeds"
