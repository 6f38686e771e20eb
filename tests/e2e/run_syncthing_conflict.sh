#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One log book on two machines through a synced folder, with a real sync program: two Syncthing
# daemons on the loopback address share one folder. A log book written on A reaches B byte for
# byte; then, with the two apart, each side changes it its own way (a new file renamed over the
# old, as a save does); together again, Syncthing keeps one version as the log book and the
# other as a conflict copy named NAME.sync-conflict-YYYYMMDD-HHMMSS-DEVICE.RWK, the same on
# both sides. Prints each step with the time it took.
# Usage: run_syncthing_conflict.sh PATH_TO_EXAMPLE_RWK
# Exit status 77 (skipped) where the daemons cannot be started.
set -u
export LC_ALL=C

readonly TOTAL=$((SECONDS + 180)) # before CTest's own limit, so that the daemons are stopped

fail() {
    echo "syncthing e2e: FAIL: $*" >&2
    show_pair_logs "syncthing e2e"
    exit 1
}
skip() {
    echo "syncthing e2e: SKIP: $*"
    exit 77
}
started=$EPOCHREALTIME
step=$started
# Prints what happened, the time since the last step and since the start.
note() {
    local now=$EPOCHREALTIME
    awk -v what="$*" -v step="$step" -v start="$started" -v now="$now" 'BEGIN {
        printf "syncthing e2e: %s (%.1fs, %.1fs in all)\n", what, now - step, now - start }'
    step=$now
}
# shellcheck source=syncthing_pair.sh
. "$(dirname "$0")/syncthing_pair.sh"

[ $# -eq 1 ] || fail "usage: $0 EXAMPLE.RWK"
example=$1
[ -f "$example" ] || fail "no example database at $example"

work=$(mktemp -d)
trap 'stop_pair; rm -rf "$work"' EXIT
trap 'fail "interrupted"' INT TERM HUP

# A log book of some of the example's trips, by number, as the program writes one: the count
# line (a blank in the sign's place, the digits, a blank), then 22 lines a trip, each line
# ending CR LF.
book() {
    printf ' %d \r\n' $#
    local trip
    for trip in "$@"; do
        sed -n "$((22 * trip - 20)),$((22 * trip + 1))p" "$example"
    done
}
# Replaces FILE with what comes in: a new file beside it, renamed over it.
replace() {
    local temp
    temp=$(mktemp "$(dirname "$1")/.$(basename "$1").XXXXXX") || fail "cannot write beside $1"
    if ! cat >"$temp" || ! mv "$temp" "$1"; then fail "cannot replace $1"; fi
}
[ "$(head -n1 "$example" | tr -d '\r')" -ge 3 ] 2>/dev/null ||
    fail "the example holds fewer than 3 trips"
book 1 >"$work/first.RWK"
book 1 2 >"$work/on-a.RWK"
book 1 3 >"$work/on-b.RWK"

mkdir "$work/a" "$work/b"
start_pair "$work" "$work/a" "$work/b"
note "Syncthing A and B connected"

replace "$work/a/LOG.RWK" <"$work/first.RWK"
wait_in_sync
cmp -s "$work/b/LOG.RWK" "$work/first.RWK" || fail "B does not hold A's log book byte for byte"
note "the log book written on A is on B"

pause_device
note "A and B apart"
# A adds trip 2, B trip 3; each side takes in its own change while the other cannot see it.
replace "$work/a/LOG.RWK" <"$work/on-a.RWK"
replace "$work/b/LOG.RWK" <"$work/on-b.RWK"
rescan A B
note "the log book changed on both sides"

resume_device
note "A and B together again"
wait_in_sync
note "A and B in sync"

# On each side, beside the log book and the folder's marker, one file only, the conflict copy
# (no temporary file is left behind); then the two sides compared.
shopt -s dotglob nullglob
declare -A copy
for side in a b; do
    copies=()
    for name in "$work/$side"/*; do
        name=${name##*/}
        [ "$name" = LOG.RWK ] || [ "$name" = .stfolder ] || copies+=("$name")
    done
    [ ${#copies[@]} -eq 1 ] ||
        fail "${side^^} holds ${#copies[@]} files beside the log book, not one copy: ${copies[*]}"
    [[ ${copies[0]} =~ ^LOG\.sync-conflict-[0-9]{8}-[0-9]{6}-([A-Z2-7]{7})\.RWK$ ]] ||
        fail "${side^^}'s copy is not named as Syncthing names a conflict copy: ${copies[0]}"
    case ${BASH_REMATCH[1]} in
    "${pair_id[A]:0:7}") named=A ;;
    "${pair_id[B]:0:7}") named=B ;;
    *) fail "${side^^}'s copy names device ${BASH_REMATCH[1]}, neither A nor B" ;;
    esac
    copy[$side]=${copies[0]}
done
[ "${copy[a]}" = "${copy[b]}" ] ||
    fail "the two sides' copies differ in name: ${copy[a]}, ${copy[b]}"
cmp -s "$work/a/LOG.RWK" "$work/b/LOG.RWK" || fail "A and B hold different log books"
cmp -s "$work/a/${copy[a]}" "$work/b/${copy[b]}" || fail "A and B hold different conflict copies"
if cmp -s "$work/a/LOG.RWK" "$work/on-a.RWK" && cmp -s "$work/a/${copy[a]}" "$work/on-b.RWK"; then
    kept=A
elif cmp -s "$work/a/LOG.RWK" "$work/on-b.RWK" && cmp -s "$work/a/${copy[a]}" "$work/on-a.RWK"; then
    kept=B
else
    fail "the log book and its conflict copy are not the two sides' versions"
fi
note "${kept}'s version is the log book, the other is ${copy[a]} (named for $named), on both sides"

# --- The program's part goes here. -------------------------------------------------------
# The real program (built executable as an argument, as the other end-to-end tests take it)
# is started on a virtual X screen on A's log book before the two sides come together; the
# conflict copy appears beside the file it has open, and the program is asked to merge it:
# both trips (2 and 3) must then be in the log book, on both sides once in sync again.
# run_syncthing_program.sh goes that far with the program, up to the merge.

check_loopback_only
note "PASS: every socket of both daemons was on 127.0.0.1"
