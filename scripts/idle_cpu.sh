#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the processor time the program spends while it sits idle with its main window shown:
# starts it on its own virtual X screen, waits for the main window, and reports the CPU time
# (user + system, all threads) it used over a quiet interval as a percentage of one core.
# Usage: scripts/idle_cpu.sh [EXECUTABLE [SECONDS]]
#   EXECUTABLE  the built program, build/bin/rodwick by default (this script builds nothing)
#   SECONDS     length of the measurement, 60 by default
# Exit status: 0 under the aim of 0.1 %, 1 above it, 2 when nothing could be measured.
set -u
cd "$(dirname "$0")/.."

readonly AIM=0.1
readonly LIMIT=30 # seconds allowed for each awaited step
exe=${1:-build/bin/rodwick}
seconds=${2:-60}

fail() {
    echo "idle_cpu: $*" >&2
    exit 2
}
# shellcheck source=virtual_screen.sh
. scripts/virtual_screen.sh
[ -x "$exe" ] || fail "no executable at $exe (build it first)"
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || fail "the measurement length must be a whole number of seconds"
need_tools Xvfb xdotool awk

open_run

start_xvfb "$work"

# A copy of the program with the example database and no settings file, so that every run
# starts the same way whatever settings lie beside the build.
mkdir "$work/program"
cp "$exe" "$work/program/rodwick"
example="$(dirname "$exe")/EXAMPLE.RWK"
[ -f "$example" ] && cp "$example" "$work/program/"
QT_QPA_PLATFORM=xcb "$work/program/rodwick" >"$work/program.log" 2>&1 &
program_pid=$!

running() { kill -0 "$program_pid" 2>/dev/null; }
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }

# The main window is shown when the splash has done its work; then the splash must go too.
deadline=$((SECONDS + LIMIT))
until [ -n "$(visible '^Rodwick DB: ')" ] && [ -z "$(visible '^The Rodwick Database$')" ]; do
    running || fail "the program ended during start-up: $(cat "$work/program.log")"
    [ $SECONDS -lt $deadline ] || fail "no main window within ${LIMIT}s"
    sleep 0.2
done
sleep 2 # let the first paint and any deferred start-up work finish

# utime and stime (fields 14 and 15) in clock ticks; the name field may hold blanks, so the
# fields are counted after its closing parenthesis.
cpu_ticks() {
    local stat
    stat=$(cat "/proc/$program_pid/stat" 2>/dev/null) || return 1
    echo "${stat##*) }" | awk '{ print $12 + $13 }'
}
ticks_per_second=$(getconf CLK_TCK)

before=$(cpu_ticks) || fail "the program ended before the measurement"
start=$(date +%s.%N)
sleep "$seconds"
after=$(cpu_ticks) || fail "the program ended during the measurement"
end=$(date +%s.%N)

awk -v used="$((after - before))" -v hz="$ticks_per_second" -v start="$start" -v end="$end" \
    -v aim="$AIM" 'BEGIN {
        wall = end - start
        percent = used / hz / wall * 100
        printf "idle CPU: %.3f %% of one core (%d ticks of %.0f ms in %.1f s; aim under %s %%)\n",
               percent, used, 1000 / hz, wall, aim
        exit percent < aim ? 0 : 1
    }'
