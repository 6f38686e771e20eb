#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The main window as a screen reader reads it: starts the program on a virtual X screen inside
# a D-Bus session of its own with Qt's accessibility bridge on, and lets run_accessibility.py
# read the values, the record position and the toolbar's buttons over AT-SPI.
# Usage: run_accessibility.sh PATH_TO_EXECUTABLE PATH_TO_EXAMPLE_RWK
# Exit status 77 (skipped) where AT-SPI cannot be started.
set -u

readonly LIMIT=30
readonly TOTAL=100

fail() {
    echo "accessibility: FAIL: $*" >&2
    exit 1
}
skip() {
    echo "accessibility: SKIP: $*"
    exit 77
}
here=$(dirname "$0")
# shellcheck source=../../scripts/virtual_screen.sh
. "$here/../../scripts/virtual_screen.sh"

[ $# -eq 2 ] || fail "usage: $0 EXECUTABLE EXAMPLE.RWK"
exe=$1
example=$2
[ -x "$exe" ] || fail "no executable at $exe"
[ -f "$example" ] || fail "no example database at $example"
need_tools xdotool Xvfb python3
need_atspi

open_run
start_xvfb "$work"

# The program finds the example beside itself and opens it, as there are no settings here.
mkdir "$work/program"
cp "$exe" "$work/program/rodwick"
cp "$example" "$work/program/EXAMPLE.RWK"

# A session bus of its own: none exists for root in CI, and the AT-SPI bus is started from it.
# No settings may leak in from the machine's own session.
unset DBUS_SESSION_BUS_ADDRESS
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
dbus-run-session -- "$python" "$here/run_accessibility.py" "$work/program/rodwick" \
    "$work/program/EXAMPLE.RWK"
