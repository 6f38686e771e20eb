#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the desktop's own validators over the files the install lays out: the desktop entry,
# the AppStream metainfo and the shared MIME type.
# Usage: validate.sh DESKTOP_FILE METAINFO_FILE MIME_FILE
set -u
[ $# -eq 3 ] || { echo "usage: $0 DESKTOP METAINFO MIME" >&2; exit 2; }
status=0
for tool in desktop-file-validate appstreamcli update-mime-database; do
    command -v "$tool" >/dev/null || { echo "validate: $tool is not installed" >&2; exit 1; }
done

echo "desktop-file-validate $(basename "$1")"
desktop-file-validate "$1" || status=1

# --no-net: the screenshots are named by their web address, which is not fetched here.
echo "appstreamcli validate $(basename "$2")"
appstreamcli validate --no-net --explain "$2" || status=1

# The MIME database compiler rejects a malformed type file; compile it into a scratch folder.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/mime/packages"
cp "$3" "$work/mime/packages/"
echo "update-mime-database $(basename "$3")"
if ! XDG_DATA_DIRS="$work" update-mime-database "$work/mime" 2>"$work/mime.log" || [ -s "$work/mime.log" ]; then
    cat "$work/mime.log" >&2
    status=1
fi
for name in TRIPS.RWK trips.rwk; do
    grep -q "application/x-rodwick-database:\*\.${name##*.}$" "$work/mime/globs" ||
        { echo "validate: no glob for $name" >&2; status=1; }
done
exit $status
