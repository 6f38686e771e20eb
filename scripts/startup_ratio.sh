#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compares the program's start-up with a bare Qt Widgets program's: starts each in turn on a
# virtual X screen of its own, times each start from the process starting to its first window
# mapped (the splash for the program), and prints the medians, their spread and their ratio.
# Both are built by the same build folder with the same compiler, flags and Qt; the build
# folder must be configured with -DRODWICK_BENCHMARKS=ON, which adds the bare program
# (bench/bare_window.cpp) and the timer (bench/time_to_map.cpp). The script brings those and
# the program up to date first.
# Usage: scripts/startup_ratio.sh [LIMIT [RUNS [BUILD_FOLDER]]]
#   LIMIT         the highest ratio accepted, 1.1 by default
#   RUNS          starts of each program, 31 by default (after one unmeasured start of each)
#   BUILD_FOLDER  build by default
# Exit status: 0 at or under LIMIT, 1 above it, 2 when nothing could be measured.
set -u
cd "$(dirname "$0")/.." || exit 2

readonly LIMIT=30 # seconds allowed for each awaited step
aim=${1:-1.1}
runs=${2:-31}
build=${3:-build}

fail() {
    echo "startup_ratio: $*" >&2
    exit 2
}
# shellcheck source=virtual_screen.sh
. scripts/virtual_screen.sh
[[ "$aim" =~ ^[0-9]+(\.[0-9]+)?$ ]] || fail "the limit must be a number such as 1.1"
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || fail "the number of runs must be a whole number"
[ -f "$build/CMakeCache.txt" ] || fail "no configured build folder at $build"
grep -q '^RODWICK_BENCHMARKS:BOOL=ON$' "$build/CMakeCache.txt" ||
    fail "$build is not configured with -DRODWICK_BENCHMARKS=ON"
need_tools Xvfb xdotool awk sort
cmake --build "$build" --target rodwick bare_window time_to_map >/dev/null ||
    fail "the build of rodwick, bare_window and time_to_map failed"

open_run
start_xvfb "$work"

# Both programs start from copies in one folder, so that neither reads its files from a warmer
# place. The program gets the example database and no settings file, as on a first start.
mkdir "$work/program"
cp "$build/bin/rodwick" "$build/bin/EXAMPLE.RWK" "$build/bin/bare_window" "$work/program/" ||
    fail "the built programs are missing from $build/bin"
timer="$build/bin/time_to_map"

# Prints the milliseconds to the first window of one start of the named program.
first_window() {
    QT_QPA_PLATFORM=xcb "$timer" "$LIMIT" "$work/program/$1" 2>"$work/timer.log" ||
        fail "$1: $(cat "$work/timer.log")"
}

first_window rodwick >/dev/null
first_window bare_window >/dev/null
# The order alternates so that a change of load on the machine falls on both alike.
: >"$work/rodwick.ms"
: >"$work/bare.ms"
for ((i = 0; i < runs; ++i)); do
    if ((i % 2 == 0)); then
        first_window rodwick >>"$work/rodwick.ms"
        first_window bare_window >>"$work/bare.ms"
    else
        first_window bare_window >>"$work/bare.ms"
        first_window rodwick >>"$work/rodwick.ms"
    fi
done

# Median, lowest and highest of a file of numbers, one a line.
summary() {
    sort -g "$1" | awk '{ v[NR] = $1 } END {
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.1f %.1f %.1f\n", m, v[1], v[NR]
    }'
}
read -r program_median program_low program_high < <(summary "$work/rodwick.ms")
read -r bare_median bare_low bare_high < <(summary "$work/bare.ms")

awk -v pm="$program_median" -v pl="$program_low" -v ph="$program_high" -v bm="$bare_median" \
    -v bl="$bare_low" -v bh="$bare_high" -v runs="$runs" -v aim="$aim" 'BEGIN {
        ratio = pm / bm
        printf "first window, median of %d starts (lowest-highest):\n", runs
        printf "  rodwick     %7.1f ms (%.1f-%.1f)\n", pm, pl, ph
        printf "  bare Qt     %7.1f ms (%.1f-%.1f)\n", bm, bl, bh
        printf "  ratio       %7.2f (limit %s)\n", ratio, aim
        exit ratio <= aim ? 0 : 1
    }'
