#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on one log book shared by two machines through Syncthing: started on a
# virtual X screen on side A's log book, it adds a trip and saves while the two sides are
# apart, B adds another; together again, Syncthing leaves a conflict copy beside the file the
# program has open.
#
# The program then takes in the version Syncthing left under the name, merges the conflict copy
# when asked, and saves; together again, both sides hold every trip once and no conflict copy.
# Usage: run_syncthing_program.sh PATH_TO_EXECUTABLE PATH_TO_EXAMPLE_RWK
# Exit status 77 (skipped) where the daemons cannot be started.
set -u
export LC_ALL=C

readonly LIMIT=30                 # seconds allowed for each awaited step of the program
readonly TOTAL=$((SECONDS + 180)) # before CTest's own limit, so that everything is stopped

fail() {
    echo "syncthing program e2e: FAIL: $*" >&2
    if [ -n "${work:-}" ] && [ -s "$work/program.log" ]; then
        echo "syncthing program e2e: program output:" >&2
        sed 's/^/    /' "$work/program.log" >&2
    fi
    show_pair_logs "syncthing program e2e"
    exit 1
}
skip() {
    echo "syncthing program e2e: SKIP: $*"
    exit 77
}
note() { echo "syncthing program e2e: $*"; }
here=$(dirname "$0")
# shellcheck source=../../scripts/virtual_screen.sh
. "$here/../../scripts/virtual_screen.sh"
# shellcheck source=syncthing_pair.sh
. "$here/syncthing_pair.sh"

[ $# -eq 2 ] || fail "usage: $0 EXECUTABLE EXAMPLE.RWK"
exe=$1
example=$2
[ -x "$exe" ] || fail "no executable at $exe"
[ -f "$example" ] || fail "no example database at $example"
need_tools xdotool Xvfb

open_run
trap 'stop_pid "$program_pid"; stop_pid "$xvfb_pid"; stop_pair; rm -rf "$work"' EXIT
start_xvfb "$work"

# The program beside a settings file of its own (none: defaults), its recovery copies, backups,
# window settings and runtime folder in the test's folder.
mkdir "$work/program"
cp "$exe" "$work/program/rodwick"
export XDG_STATE_HOME="$work/state" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# A log book of some of the example's trips, by number, as in run_syncthing_conflict.sh.
book() {
    printf ' %d \r\n' $#
    local trip
    for trip in "$@"; do
        sed -n "$((22 * trip - 20)),$((22 * trip + 1))p" "$example"
    done
}

mkdir "$work/a" "$work/b"
start_pair "$work" "$work/a" "$work/b"
temp=$(mktemp "$work/a/.LOG.RWK.XXXXXX")
book 1 >"$temp" && mv "$temp" "$work/a/LOG.RWK"
wait_in_sync
cmp -s "$work/a/LOG.RWK" "$work/b/LOG.RWK" || fail "B does not hold A's log book"
note "the log book is on both sides"

running() { kill -0 "$program_pid" 2>/dev/null; }
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
keys() {
    xdotool windowfocus --sync "$main_id" 2>/dev/null
    xdotool key "$@"
}

database=$(realpath "$work/a/LOG.RWK")
QT_QPA_PLATFORM=xcb "$work/program/rodwick" "$database" >>"$work/program.log" 2>&1 &
program_pid=$!
main_id=""
set_deadline
while [ -z "$main_id" ]; do
    running || fail "the program ended during start-up"
    [ $SECONDS -lt "$deadline" ] || fail "no main window on LOG.RWK within ${LIMIT}s"
    [ -n "$(window '^The Rodwick Database$')" ] || main_id=$(window '^Rodwick DB: .*LOG\.RWK$')
    sleep 0.1
done
note "the program shows A's log book"

# Apart: on A the program duplicates trip 1 (its "Edit" question answered No) and saves; on B
# trip 3 is added.
pause_device
keys ctrl+t
set_deadline
until [ -n "$(window '^Edit$')" ]; do
    [ $SECONDS -lt "$deadline" ] || fail "Ctrl+T brought no \"Edit\" question"
    sleep 0.1
done
while [ -n "$(window '^Edit$')" ]; do
    [ $SECONDS -lt "$deadline" ] || fail "the \"Edit\" question stayed"
    xdotool windowfocus --sync "$(window '^Edit$')" 2>/dev/null
    xdotool key n
    sleep 0.2
done
keys ctrl+s
book 1 1 >"$work/saved-on-a.RWK"
set_deadline
until cmp -s "$work/a/LOG.RWK" "$work/saved-on-a.RWK"; do
    [ $SECONDS -lt "$deadline" ] || fail "the program did not save A's log book with two trips"
    sleep 0.1
done
temp=$(mktemp "$work/b/.LOG.RWK.XXXXXX")
book 1 3 >"$temp" && mv "$temp" "$work/b/LOG.RWK"
rescan A B
note "the log book changed on both sides"

resume_device
wait_in_sync
shopt -s nullglob
copies=("$work"/a/LOG.sync-conflict-*.RWK)
[ ${#copies[@]} -eq 1 ] || fail "A holds ${#copies[@]} conflict copies beside the log book"
running || fail "the program ended when Syncthing changed the folder of its log book"
note "the conflict copy ${copies[0]##*/} lies beside the log book the program has open"

# The program takes in the version Syncthing left under the log book's name, sees the conflict
# copy beside it and asks; Yes (the default) merges its trips, a message says how many, and the
# copy moves to the backups.
# Presses Return on each window titled $1 until none has stood for a second.
answer_all() {
    local title=$1 quiet=0 id
    set_deadline
    while [ $quiet -lt 10 ]; do
        running || fail "the program ended while \"$title\" was asked"
        [ $SECONDS -lt "$deadline" ] || fail "\"$title\" kept asking"
        id=$(window "^$title\$")
        if [ -n "$id" ]; then
            quiet=0
            xdotool windowfocus --sync "$id" 2>/dev/null
            xdotool key Return
            sleep 0.3
        else
            quiet=$((quiet + 1))
            sleep 0.1
        fi
    done
}
set_deadline
until [ -n "$(window '^Conflict Copy$')" ]; do
    running || fail "the program ended before it asked about the conflict copy"
    [ $SECONDS -lt "$deadline" ] || fail "no question about the conflict copy within ${LIMIT}s"
    sleep 0.1
done
note "the program asks whether to merge the conflict copy"
answer_all 'Conflict Copy'
[ ! -e "${copies[0]}" ] || fail "the merged conflict copy still lies beside the log book"
kept=$(find "$XDG_STATE_HOME" "$XDG_DATA_HOME" -name "${copies[0]##*/}" 2>/dev/null | head -n1)
[ -n "$kept" ] || fail "the conflict copy is kept nowhere among the backups"
note "the copy was merged and is kept among the backups as $kept"

# The trips of a log book, one per line as the hex of its 22 lines, sorted: the same trips
# whatever their order.
trips_of() {
    python3 - "$1" <<'PY'
import sys
lines = open(sys.argv[1], 'rb').read().split(b'\r\n')
count = int(lines[0])
print('\n'.join(sorted(b'|'.join(lines[1 + 22 * k:23 + 22 * k]).hex() for k in range(count))))
PY
}
book 1 1 3 >"$work/expected.RWK"
keys ctrl+s
set_deadline
until [ "$(trips_of "$work/a/LOG.RWK" 2>/dev/null)" = "$(trips_of "$work/expected.RWK")" ]; do
    running || fail "the program ended while saving the merged trips"
    [ $SECONDS -lt "$deadline" ] || fail "A's log book does not hold trip 1 twice and trip 3" \
        "after the save: $(head -c 200 "$work/a/LOG.RWK" | tr '\r\n' '  ')"
    sleep 0.1
done
note "the program saved the merged trips"

wait_in_sync
cmp -s "$work/a/LOG.RWK" "$work/b/LOG.RWK" || fail "B does not hold A's merged log book"
left=("$work"/a/LOG.sync-conflict-*.RWK "$work"/b/LOG.sync-conflict-*.RWK)
[ ${#left[@]} -eq 0 ] || fail "conflict copies are left: ${left[*]##*/}"
running || fail "the program ended"
note "PASS: both sides hold every trip once, trip 1 twice as saved, and no conflict copy"
