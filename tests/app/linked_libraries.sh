#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's start-up guard: its executable loads neither Exiv2 nor libheif (nor the codecs
# libheif pulls in), which cost a start several times a bare Qt program's; the media module,
# loaded by the first reading of a photo, does. The second half keeps the first from passing
# on a listing that says nothing.
# Usage: linked_libraries.sh PROGRAM MEDIA_MODULE
set -u
program=$1
module=$2
heavy='exiv2|heif|x265|aom|dav1d|de265'

libraries() { ldd "$1" | awk '{ print $1 }'; }

listed=$(libraries "$program") || { echo "ldd cannot list $program"; exit 1; }
if found=$(grep -E "$heavy" <<<"$listed"); then
    echo "the program links what only the media module should:"
    echo "$found"
    exit 1
fi
for library in libexiv2 libheif; do
    libraries "$module" | grep -q "^$library" || { echo "the media module does not link $library"; exit 1; }
done
echo "the program links neither Exiv2 nor libheif; the media module links both"
