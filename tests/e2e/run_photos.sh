#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Photos kept with their trips through a kill: the real program on a virtual X screen adds two
# photos to a trip through Record, Photos... and the file dialog, is killed with SIGKILL, and
# after a new start shows the same photos with the same trip, read over AT-SPI as a screen
# reader reads them; the log book's file stays byte for byte as it was.
# Usage: run_photos.sh PATH_TO_EXECUTABLE PATH_TO_EXAMPLE_RWK PATH_TO_MAKE_PHOTO_CORPUS
# Exit status 77 (skipped) where AT-SPI cannot be started.
set -u

readonly LIMIT=30

fail() {
    echo "photos: FAIL: $*" >&2
    exit 1
}
skip() {
    echo "photos: SKIP: $*"
    exit 77
}
here=$(dirname "$0")
# shellcheck source=../../scripts/virtual_screen.sh
. "$here/../../scripts/virtual_screen.sh"

[ $# -eq 3 ] || fail "usage: $0 EXECUTABLE EXAMPLE.RWK MAKE_PHOTO_CORPUS"
exe=$1
example=$2
make_photos=$3
[ -x "$exe" ] || fail "no executable at $exe"
[ -f "$example" ] || fail "no example database at $example"
need_tools xdotool Xvfb python3
need_atspi

open_run
start_xvfb "$work"

mkdir "$work/program" "$work/picked"
cp "$exe" "$work/program/rodwick"
# The media module reads the photos; the program finds it beside itself as in the build tree.
cp "$(dirname "$exe")/librodwick_media.so" "$work/program/" || fail "no media module beside $exe"
cp "$example" "$work/program/EXAMPLE.RWK"
"$make_photos" "$work/picked" >/dev/null || fail "the test's photos could not be made"

# The user's folders of this run alone: no settings, thumbnails or recovery copies leak in.
unset DBUS_SESSION_BUS_ADDRESS
export XDG_RUNTIME_DIR="$work/runtime" XDG_STATE_HOME="$work/state" XDG_DATA_HOME="$work/data"
export XDG_CACHE_HOME="$work/cache" XDG_CONFIG_HOME="$work/config"
mkdir -m 700 "$XDG_RUNTIME_DIR"
dbus-run-session -- "$python" "$here/run_photos.py" "$work/program/rodwick" \
    "$work/program/EXAMPLE.RWK" "$example" "$work/picked"
