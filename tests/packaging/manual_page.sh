#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page: man formats it without a warning, and its OPTIONS name every option and
# argument the program's --help lists.
# Usage: manual_page.sh RODWICK MANUAL_PAGE
# Exits 77 (skipped) where man is not installed.
set -u
[ $# -eq 2 ] || { echo "usage: $0 RODWICK MANUAL_PAGE" >&2; exit 2; }
program=$1 page=$2
command -v man >/dev/null || { echo "manual page: SKIPPED: man is not installed"; exit 77; }
status=0

# As lintian asks man, in UTF-8 and 80 columns: any message is a warning.
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    echo "$warnings" >&2
    echo "manual page: FAIL: man warns about $(basename "$page")" >&2
    status=1
fi

help=$("$program" --help) || { echo "manual page: FAIL: $program --help failed" >&2; exit 1; }
# The options: the leading dashed words of each help line; the arguments: the first word of
# each line under "Arguments:".
names=$(awk '/^Arguments:/ { args = 1; next }
    args && NF { print $1; next }
    $1 ~ /^-/ { for (i = 1; i <= NF && $i ~ /^-/; i++) { sub(/,$/, "", $i); print $i } }' <<<"$help")
[ -n "$names" ] || { echo "manual page: FAIL: no option read from --help" >&2; exit 1; }
options=$(LC_ALL=C MANWIDTH=200 man -l "$page" 2>/dev/null |
    awk '/^OPTIONS/ { on = 1; next } /^[^ ]/ { on = 0 } on')
for name in $names; do
    if ! grep -qE -e "(^|[ ,])$name([ ,]|$)" <<<"$options"; then
        echo "manual page: FAIL: OPTIONS does not name $name" >&2
        status=1
    fi
done
echo "manual page: checked $(tr '\n' ' ' <<<"$names")"
exit $status
