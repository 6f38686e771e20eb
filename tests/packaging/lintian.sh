#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a build folder and has lintian check it: any error or warning
# fails. The package is made in a folder of its own, so that another cpack run is not disturbed.
# Usage: lintian.sh CPACK BUILD_DIR SCRATCH_DIR [TAG...]   (TAGs: lintian tags to ignore)
# Exits 77 (skipped) where lintian or dpkg-deb is not installed.
set -u
[ $# -ge 3 ] || { echo "usage: $0 CPACK BUILD_DIR SCRATCH_DIR [TAG...]" >&2; exit 2; }
cpack=$1 build=$2 scratch=$3
shift 3
for tool in lintian dpkg-deb; do
    command -v "$tool" >/dev/null || { echo "lintian: SKIPPED: $tool is not installed"; exit 77; }
done

rm -rf "$scratch"
mkdir -p "$scratch"
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    exit 1
fi
debs=("$scratch"/rodwick_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "lintian: cpack made no DEB" >&2; exit 1; }

ignored=()
[ $# -gt 0 ] && ignored=(--suppress-tags "$(IFS=,; echo "$*")")
echo "lintian $(basename "$deb") ${ignored[*]}"
# stderr only says that root should not run it.
report=$(lintian "${ignored[@]}" "$deb" 2>/dev/null)
status=$?
[ -z "$report" ] || echo "$report"
if [ $status -ne 0 ] || grep -qE '^[EW]: ' <<<"$report"; then
    echo "lintian: FAIL: errors or warnings (status $status)" >&2
    exit 1
fi
rm -rf "$scratch"
