#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The copy command on a real X clipboard: the program starts on a one-trip database, Ctrl+C
# opens "Copy", Tab and Space press its Copy button, and another program (xclip) must read
# the trip's text from the clipboard while the program still runs.
# Usage: run_clipboard_e2e.sh PATH_TO_EXECUTABLE
# It always starts an X server of its own, so that no user's clipboard is touched.
set -u

readonly LIMIT=30  # seconds allowed for each awaited step
readonly TOTAL=100 # seconds for the whole run, below the test's own timeout

note() { echo "clipboard: $*"; }
fail() {
    echo "clipboard: FAIL: $*" >&2
    if [ -n "${work:-}" ] && [ -s "$work/program.log" ]; then
        echo "clipboard: program output:" >&2
        sed 's/^/    /' "$work/program.log" >&2
    fi
    exit 1
}
# shellcheck source=../../scripts/virtual_screen.sh
. "$(dirname "$0")/../../scripts/virtual_screen.sh"

[ $# -eq 1 ] || fail "usage: $0 EXECUTABLE"
exe=$1
[ -x "$exe" ] || fail "no executable at $exe"
need_tools xdotool Xvfb xclip

open_run

start_xvfb "$work"
note "started Xvfb on $DISPLAY"

# Without a settings file the program loads EXAMPLE.RWK beside itself: here one trip, whose
# price holds the pound sign as the file's byte A3.
mkdir "$work/program"
cp "$exe" "$work/program/rodwick"
{
    printf ' 1 \r\n'
    printf '%s\r\n' "Grand Union Canal" "Canal" $'\xA3'"2.50" "Towpath Anglers" 3 12 Clean \
        Sunny 18 Pole 1 20 Pinkie "Roach, Perch" Perch 1 4 "Barbless hooks only" \
        "Boats every ten minutes." 06-23-2001 06:00 11:30
} >"$work/program/EXAMPLE.RWK"
# The record text: 19 values, joined weights and depth, CR LF between, none after the last.
printf '%s\r\n' "Grand Union Canal" Canal "£2.50" "Towpath Anglers" 3.12 Clean Sunny 18 Pole \
    1.20 Pinkie "Roach, Perch" Perch 1.4 "Barbless hooks only" "Boats every ten minutes." \
    06-23-2001 06:00 >"$work/expected"
printf '11:30' >>"$work/expected"

QT_QPA_PLATFORM=xcb "$work/program/rodwick" >"$work/program.log" 2>&1 &
program_pid=$!
note "started the program (pid $program_pid)"

running() { kill -0 "$program_pid" 2>/dev/null; }
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }

main_id=""
set_deadline
until [ -n "$main_id" ]; do
    running || fail "the program ended during start-up"
    [ $SECONDS -lt $deadline ] || fail "no main window on EXAMPLE.RWK within ${LIMIT}s"
    sleep 0.2
    main_id=$(window '^Rodwick DB: .*EXAMPLE\.RWK$')
done
note "main window up"

# Ctrl+C opens the copy window; keys go through XTEST like real typing.
copy_id=""
set_deadline
while [ -z "$copy_id" ]; do
    running || fail "the program ended before the copy window"
    [ $SECONDS -lt $deadline ] || fail "Ctrl+C brought no \"Copy\" window within ${LIMIT}s"
    xdotool windowfocus --sync "$main_id" 2>/dev/null
    xdotool key ctrl+c
    for _ in $(seq 20); do
        copy_id=$(window '^Copy$')
        [ -n "$copy_id" ] && break
        sleep 0.1
    done
done
note "copy window shown"

# The text is all selected and has the focus: Tab reaches Copy, Space presses it.
set_deadline
while [ -n "$(window '^Copy$')" ]; do
    running || fail "the program ended in the copy window"
    [ $SECONDS -lt $deadline ] || fail "the copy window did not close within ${LIMIT}s"
    xdotool windowfocus --sync "$copy_id" 2>/dev/null
    xdotool key Tab space
    sleep 0.5
done
note "copied"

set_deadline
until timeout 5 xclip -o -selection clipboard >"$work/clipboard" 2>/dev/null &&
    cmp -s "$work/clipboard" "$work/expected"; do
    running || fail "the program ended before the clipboard was read"
    if [ $SECONDS -ge $deadline ]; then
        echo "clipboard: expected:" >&2
        od -c "$work/expected" | sed 's/^/    /' >&2
        echo "clipboard: read:" >&2
        od -c "$work/clipboard" | sed 's/^/    /' >&2
        fail "the clipboard does not hold the trip's text"
    fi
    sleep 0.2
done
note "PASS: another program reads the trip from the clipboard"
