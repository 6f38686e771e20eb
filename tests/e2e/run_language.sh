#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end check of the windows' language: the real program started under LANG=de_DE.UTF-8
# (no LANGUAGE, no LC_ALL, no LC_MESSAGES, no language chosen) speaks German, reached through
# its German menus and questions; the same steps under English speak English; and the log
# books the two runs save are the same bytes. The steps: New from the File menu by its access
# keys, answered No; a duplicate of the first record, answered No to editing it; a new record
# added through the record editor with its starting texts; Save. The usage (--help) is German
# too.
# Usage: run_language.sh PATH_TO_EXECUTABLE PATH_TO_EXAMPLE_RWK
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
for tool in xdotool Xvfb; do
    command -v "$tool" >/dev/null || { echo "e2e: SKIP: $tool is not installed"; exit 77; }
done

open_run
# The usage is read before any window: it speaks the language too.
usage=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES XDG_CONFIG_HOME="$work" LANG=de_DE.UTF-8 \
    "$exe" --help 2>&1) || fail "--help failed: $usage"
case $usage in
*"ein Fangbuch für Angler"*) note "the usage in German" ;;
*) fail "the usage under LANG=de_DE.UTF-8 is not German: $usage" ;;
esac
if [ -z "${DISPLAY:-}" ] || ! xdotool getdisplaygeometry >/dev/null 2>&1; then
    start_xvfb "$work"
fi

running() { kill -0 "$program_pid" 2>/dev/null; }
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }

# Waits for a window whose title matches $1 and gives it the focus.
await_window() {
    set_deadline
    until [ -n "$(window "$1")" ]; do
        running || fail "the program ended while \"$1\" was awaited"
        [ $SECONDS -lt $deadline ] || fail "no window \"$1\" within ${LIMIT}s ($2)"
        sleep 0.1
    done
    xdotool windowfocus --sync "$(window "$1")" 2>/dev/null
}

# Presses keys in the window titled $1 until it has gone.
answer() {
    local title=$1
    shift
    set_deadline
    while [ -n "$(window "$title")" ]; do
        [ $SECONDS -lt $deadline ] || fail "the window \"$title\" stayed"
        xdotool windowfocus --sync "$(window "$title")" 2>/dev/null
        xdotool key "$@"
        sleep 0.3
    done
}

# One run in a folder of its own under the environment given: the steps, each awaited by the
# title of the window it opens in the run's language, and the save.
# run NAME FILE_KEY NEW_KEY NEW_TITLE EDIT_TITLE ADD_TITLE ENV...
run() {
    local name=$1 file_key=$2 new_key=$3 new_title=$4 edit_title=$5 add_title=$6
    shift 6
    local dir="$work/$name"
    mkdir -p "$dir/config" "$dir/state" "$dir/data"
    cp "$example" "$dir/TRIPS.RWK"
    local database
    database=$(realpath "$dir/TRIPS.RWK")
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LC_CTYPE XDG_CONFIG_HOME="$dir/config" \
        XDG_STATE_HOME="$dir/state" XDG_DATA_HOME="$dir/data" QT_QPA_PLATFORM=xcb "$@" \
        "$exe" "$database" >>"$work/program.log" 2>&1 &
    program_pid=$!
    await_window '^Rodwick DB: ' "the main window"
    main_id=$(window '^Rodwick DB: ')

    # The File menu and its New entry by their access keys: the question is New's.
    xdotool windowfocus --sync "$main_id" 2>/dev/null
    xdotool key "alt+$file_key"
    sleep 0.5
    xdotool key "$new_key"
    await_window "^$new_title\$" "New from the File menu"
    answer "^$new_title\$" Escape

    # A duplicate of the shown record, not edited now (No).
    xdotool windowfocus --sync "$main_id" 2>/dev/null
    xdotool key ctrl+t
    await_window "^$edit_title\$" "the duplicate's question"
    answer "^$edit_title\$" n

    # A record added as the editor starts it: its fixed lists' first texts go into the file.
    xdotool windowfocus --sync "$main_id" 2>/dev/null
    xdotool key ctrl+a
    await_window "^$add_title\$" "the record editor"
    xdotool type --delay 20 "Weir"
    answer "^$add_title\$" Return

    local before
    before=$(stat -c %Y.%s "$database")
    xdotool windowfocus --sync "$main_id" 2>/dev/null
    xdotool key ctrl+s
    set_deadline
    while [ "$(stat -c %Y.%s "$database")" = "$before" ] || cmp -s "$database" "$example"; do
        [ $SECONDS -lt $deadline ] || fail "$name: Save wrote nothing within ${LIMIT}s"
        sleep 0.1
    done
    sleep 0.5
    stop_pid "$program_pid"
    program_pid=""
    cp "$database" "$work/$name.RWK"
    note "$name: menus and questions as expected, log book saved"
}

run english f w New Edit 'Adding A Record' LANG=C
run german d n Neu Bearbeiten 'Neuer Angeltag' LANG=de_DE.UTF-8

count() { head -n1 "$1" | tr -d ' \r'; }
[ "$(count "$work/english.RWK")" = "$(($(count "$example") + 2))" ] ||
    fail "the English run did not save the two records it added"
cmp "$work/english.RWK" "$work/german.RWK" ||
    fail "the log book saved under German differs from the one saved under English"
note "PASS: German menus and questions under LANG=de_DE.UTF-8; the same log book saved"
