#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end check that unsaved trips survive: the real program is killed with SIGKILL after
# edits, and later left through a confirmed Exit; each time the next start on the same
# database asks to recover them, Yes brings them back, and a save writes exactly those trips
# (keeping the file it replaced as a dated backup).
# Usage: run_recovery.sh PATH_TO_EXECUTABLE PATH_TO_EXAMPLE_RWK
set -u

readonly LIMIT=30 # seconds allowed for each awaited step

fail() {
    echo "e2e: FAIL: $*" >&2
    if [ -n "${work:-}" ] && [ -s "$work/program.log" ]; then
        echo "e2e: program output:" >&2
        sed 's/^/    /' "$work/program.log" >&2
    fi
    exit 1
}
note() { echo "e2e: $*"; }
# shellcheck source=../../scripts/virtual_screen.sh
. "$(dirname "$0")/../../scripts/virtual_screen.sh"

[ $# -eq 2 ] || fail "usage: $0 EXECUTABLE EXAMPLE.RWK"
exe=$1
example=$2
need_tools xdotool Xvfb python3

open_run
if [ -z "${DISPLAY:-}" ] || ! xdotool getdisplaygeometry >/dev/null 2>&1; then
    start_xvfb "$work"
fi

mkdir "$work/program"
cp "$exe" "$work/program/rodwick"
cp "$example" "$work/program/EXAMPLE.RWK"
database=$(realpath "$work/program/EXAMPLE.RWK")
export XDG_STATE_HOME="$work/state" XDG_DATA_HOME="$work/data"
copies="$XDG_STATE_HOME/rodwick"

running() { kill -0 "$program_pid" 2>/dev/null; }
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }

# The trips of a database file, or of a recovery copy after its three header lines, one per
# line as "field|field|...".
trips_of() {
    python3 - "$1" "$2" <<'PY'
import sys
lines = open(sys.argv[1], 'rb').read().split(b'\r\n')[int(sys.argv[2]):]
count = int(lines[0])
for k in range(count):
    print(b'|'.join(lines[1 + 22 * k:23 + 22 * k]).hex())
PY
}

# Starts the program and waits for its main window on the database; answers the recovery
# question with Yes when expect_question is "yes".
start() {
    QT_QPA_PLATFORM=xcb "$work/program/rodwick" "$database" >>"$work/program.log" 2>&1 &
    program_pid=$!
    main_id=""
    set_deadline
    while [ -z "$main_id" ]; do
        running || fail "the program ended during start-up"
        [ $SECONDS -lt $deadline ] || fail "no main window within ${LIMIT}s"
        if [ "$1" = yes ] && [ -n "$(window '^Recover$')" ]; then
            asked=yes
            xdotool windowfocus --sync "$(window '^Recover$')" 2>/dev/null
            xdotool key Return
        fi
        [ -n "$(window '^The Rodwick Database$')" ] || main_id=$(window '^Rodwick DB: ')
        sleep 0.1
    done
}

# Sends keys to the main window.
keys() {
    xdotool windowfocus --sync "$main_id" 2>/dev/null
    xdotool key "$@"
}

# Ctrl+T duplicates the current record; its question "Edit" is answered No (N).
duplicate() {
    keys ctrl+t
    set_deadline
    until [ -n "$(window '^Edit$')" ]; do
        [ $SECONDS -lt $deadline ] || fail "Ctrl+T brought no \"Edit\" question"
        sleep 0.1
    done
    while [ -n "$(window '^Edit$')" ]; do
        [ $SECONDS -lt $deadline ] || fail "the \"Edit\" question stayed"
        xdotool windowfocus --sync "$(window '^Edit$')" 2>/dev/null
        xdotool key n
        sleep 0.2
    done
}

# Waits until the recovery copy holds count trips.
await_copy() {
    set_deadline
    until [ "$(trips_of "$copies"/*EXAMPLE.RWK.recovery 3 2>/dev/null | wc -l)" = "$1" ]; do
        [ $SECONDS -lt $deadline ] || fail "no recovery copy of $1 trips within ${LIMIT}s"
        sleep 0.1
    done
}

# Saves with Ctrl+S and waits for the recovery copy to go.
save_and_check() {
    keys ctrl+s
    set_deadline
    while ls "$copies"/*EXAMPLE.RWK.recovery >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || fail "the recovery copy stayed after a save"
        sleep 0.1
    done
    [ "$(trips_of "$database" 0)" = "$(cat "$work/expected")" ] ||
        fail "the saved database does not hold the recovered trips"
}

trips_of "$database" 0 >"$work/original"
first=$(head -n1 "$work/original")

# 1. Two duplicates of record 1, then SIGKILL.
start no
duplicate
duplicate
await_copy $(($(wc -l <"$work/original") + 2))
{ cat "$work/original"; echo "$first"; echo "$first"; } >"$work/expected"
trips_of "$copies"/*EXAMPLE.RWK.recovery 3 | cmp -s - "$work/expected" ||
    fail "the recovery copy does not hold the edited trips"
kill -KILL "$program_pid"
wait "$program_pid" 2>/dev/null
cmp -s "$database" "$example" || fail "the database file was written without a save"
note "killed after two edits"

asked=""
start yes
[ "$asked" = yes ] || fail "no recovery question after the kill"
save_and_check
backup=$(ls "$XDG_DATA_HOME"/rodwick/backups/EXAMPLE-*.RWK 2>/dev/null | head -n1)
[ -n "$backup" ] && cmp -s "$backup" "$example" || fail "the save kept no backup of the file"
note "recovered after the kill, saved, backup kept"

# 2. One more duplicate, then Exit confirmed with Yes.
duplicate
await_copy $(($(wc -l <"$work/expected") + 1))
echo "$first" >>"$work/expected"
keys ctrl+x
set_deadline
while running; do
    [ $SECONDS -lt $deadline ] || fail "the program did not end on a confirmed Exit"
    if [ -n "$(window '^Exit$')" ]; then
        xdotool windowfocus --sync "$(window '^Exit$')" 2>/dev/null
        xdotool key Return
    fi
    sleep 0.2
done
wait "$program_pid"
program_pid=""

asked=""
start yes
[ "$asked" = yes ] || fail "no recovery question after a confirmed Exit"
save_and_check
note "PASS: trips recovered after SIGKILL and after a confirmed Exit"
