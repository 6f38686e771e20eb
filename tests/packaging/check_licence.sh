#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source, build and script file of the tree names its licence on its first line, or on
# the second after a "#!" line or an XML declaration.
# Usage: check_licence.sh SOURCE_DIR
set -euo pipefail
root=$1
cd "$root"

# In a clone, the files git knows or would take (new ones too); in an unpacked source tarball,
# every file outside the build folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    list() { git ls-files -z --cached --others --exclude-standard; }
else
    list() { find . \( -name .git -o -name 'build*' \) -prune -o -type f -printf '%P\0'; }
fi

checked=0 missing=0
while IFS= read -r -d '' file; do
    case "$file" in
    fuzz/corpus/*) continue ;;
    *.cpp | *.h | *.in | *.sh | *.py | *.cmake | */CMakeLists.txt | CMakeLists.txt | *.desktop | \
        *.xml | .ci/run) ;;
    *) continue ;;
    esac
    [ -f "$file" ] || continue
    checked=$((checked + 1))
    if ! head -n 2 "$file" | grep -q '^\(//\|#\|<!--\|\.\\"\) SPDX-License-Identifier: GPL-3\.0-or-later'; then
        echo "no licence identifier in its first lines: $file"
        missing=$((missing + 1))
    fi
done < <(list)

echo "$checked files checked, $missing without the identifier"
# A list that came out empty checks nothing.
[ "$checked" -ge 100 ] || { echo "too few files found under $root"; exit 1; }
[ "$missing" -eq 0 ]
