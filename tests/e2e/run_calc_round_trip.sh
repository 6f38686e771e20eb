#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A log book sent through LibreOffice Calc as a user would: exported, opened by Calc and saved
# as a spreadsheet, saved again as CSV, imported into an empty log book; every field of every
# trip must come back. Skipped (77) where Calc is not installed.
# Usage: run_calc_round_trip.sh PATH_TO_calc_round_trip PATH_TO_EXAMPLE_RWK
set -u

fail() {
    echo "calc e2e: FAIL: $*" >&2
    exit 1
}

[ $# -eq 2 ] || fail "usage: $0 CALC_ROUND_TRIP EXAMPLE.RWK"
tool=$1
book=$2
if ! command -v soffice >/dev/null; then
    echo "calc e2e: SKIP: LibreOffice Calc (soffice) is not installed"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A profile of its own, so that runs side by side do not share (and lock) one; the C locale,
# so that Calc's forms of numbers and times do not follow the machine's language.
export LC_ALL=C HOME="$work/home"
office=(soffice "-env:UserInstallation=file://$work/profile" --headless --norestore)

"$tool" export "$book" "$work/book.csv" || fail "the export failed"
# Comma, double quote, UTF-8, from the first line: what Calc's import dialog offers for it.
"${office[@]}" --infilter="CSV:44,34,76,1" --convert-to ods --outdir "$work" "$work/book.csv" \
    >"$work/calc.log" 2>&1
[ -s "$work/book.ods" ] || fail "Calc made no spreadsheet: $(cat "$work/calc.log")"
mkdir "$work/back"
"${office[@]}" --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1' --outdir "$work/back" \
    "$work/book.ods" >>"$work/calc.log" 2>&1
[ -s "$work/back/book.csv" ] || fail "Calc wrote no CSV file: $(cat "$work/calc.log")"

"$tool" compare "$book" "$work/back/book.csv" || fail "the log book did not come back whole"
echo "calc e2e: PASS"
