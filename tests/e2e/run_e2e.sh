#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end check of start-up and exit, driven through X like a user would:
#   the splash "The Rodwick Database" comes first, the main window on the example database
#   follows it, Ctrl+X asks the "Exit" question, Return (Yes) ends the program with status 0.
# Usage: run_e2e.sh PATH_TO_EXECUTABLE PATH_TO_EXAMPLE_RWK
# Without a usable DISPLAY it starts its own Xvfb.
set -u

readonly LIMIT=30  # seconds allowed for each awaited step
readonly TOTAL=100 # seconds for the whole run, below the test's own timeout

fail() {
    echo "e2e: FAIL: $*" >&2
    if [ -n "${work:-}" ] && [ -s "$work/program.log" ]; then
        echo "e2e: program output:" >&2
        sed 's/^/    /' "$work/program.log" >&2
    fi
    if [ -n "${xvfb_pid:-}" ]; then
        if kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "e2e: our Xvfb on ${DISPLAY:-?} is still running" >&2
        else
            echo "e2e: our Xvfb on ${DISPLAY:-?} has ended; its output:" >&2
            sed 's/^/    /' "$work/xvfb.log" >&2
        fi
    fi
    exit 1
}
note() { echo "e2e: $*"; }
# shellcheck source=../../scripts/virtual_screen.sh
. "$(dirname "$0")/../../scripts/virtual_screen.sh"

[ $# -eq 2 ] || fail "usage: $0 EXECUTABLE EXAMPLE.RWK"
exe=$1
example=$2
[ -x "$exe" ] || fail "no executable at $exe"
[ -f "$example" ] || fail "no example database at $example"
need_tools xdotool Xvfb

open_run

display_works() { xdotool getdisplaygeometry >/dev/null 2>&1; }

if [ -z "${DISPLAY:-}" ] || ! display_works; then
    start_xvfb "$work"
    note "started Xvfb on $DISPLAY"
fi

# The program finds its settings and example database beside itself; there is no settings
# file here, so it starts on the example.
mkdir "$work/program"
cp "$exe" "$work/program/rodwick"
cp "$example" "$work/program/EXAMPLE.RWK"
# The program knows its directory with symbolic links resolved.
example_path=$(realpath "$work/program/EXAMPLE.RWK")

QT_QPA_PLATFORM=xcb "$work/program/rodwick" >"$work/program.log" 2>&1 &
program_pid=$!
note "started the program (pid $program_pid)"

running() { kill -0 "$program_pid" 2>/dev/null; }
# The first visible window whose title matches the regular expression, if any.
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }

readonly SPLASH='^The Rodwick Database$'
readonly MAIN='^Rodwick DB: .*EXAMPLE\.RWK$'

# Step 1: the splash stands first; the main window must not be seen before it.
splash_seen=""
main_id=""
set_deadline
while [ -z "$main_id" ]; do
    running || fail "the program ended during start-up"
    [ -n "$splash_seen" ] || splash_seen=$(window "$SPLASH")
    main_id=$(window "$MAIN")
    if [ -n "$main_id" ] && [ -z "$splash_seen" ]; then
        fail "the main window appeared without the splash before it"
    fi
    if [ $SECONDS -ge $deadline ]; then
        [ -n "$splash_seen" ] || fail "no splash window \"The Rodwick Database\" within ${LIMIT}s"
        fail "no main window titled \"Rodwick DB: ...EXAMPLE.RWK\" within ${LIMIT}s"
    fi
    sleep 0.1
done
note "splash seen, then the main window"

title=$(xdotool getwindowname "$main_id")
[ "$title" = "Rodwick DB: $example_path" ] ||
    fail "main window title is \"$title\", expected \"Rodwick DB: $example_path\""

# Step 2: the splash goes away once the main window is up.
set_deadline
while [ -n "$(window "$SPLASH")" ]; do
    running || fail "the program ended when the splash closed"
    [ $SECONDS -lt $deadline ] || fail "the splash was still standing ${LIMIT}s after the main window"
    sleep 0.1
done
note "splash closed, program still running"

# Step 3: Ctrl+X asks the exit question. Without a window manager the keyboard focus is set
# directly; the keys go through XTEST like real typing.
question_id=""
set_deadline
while [ -z "$question_id" ]; do
    running || fail "the program ended before the exit question"
    xdotool windowfocus --sync "$main_id" 2>/dev/null
    xdotool key ctrl+x
    for _ in $(seq 20); do
        question_id=$(window '^Exit$')
        [ -n "$question_id" ] && break
        sleep 0.1
    done
    [ -n "$question_id" ] || [ $SECONDS -lt $deadline ] ||
        fail "Ctrl+X brought no \"Exit\" question within ${LIMIT}s"
done
note "exit question shown"

# Step 4: Return takes the default button, Yes; the program must end with status 0.
set_deadline
while running; do
    [ $SECONDS -lt $deadline ] || fail "the program still runs ${LIMIT}s after answering Yes"
    if [ -n "$(window '^Exit$')" ]; then
        xdotool windowfocus --sync "$question_id" 2>/dev/null
        xdotool key Return
    fi
    for _ in $(seq 20); do
        running || break
        sleep 0.1
    done
done
wait "$program_pid"
status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program exited with status $status"

note "PASS: splash, main window on the example, exit on Yes"
