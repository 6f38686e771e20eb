#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The test command in a copy of the tree as a release tarball holds it: the files git would
# export, no .git folder, and no git program to call. Its first stage (the installs, the
# formatting check, the configuration) must pass there as it does in a clone.
# Usage: test_without_git.sh SOURCE_DIR
set -euo pipefail
source=$(cd "$1" && pwd)

fail() {
    echo "without git: FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/tree" "$work/bin"

# The files an export holds: in a clone, those git tracks or would take; in a copy that is
# itself without a repository, every file outside the build folders.
cd "$source"
if [ -e .git ] && command -v git >/dev/null; then
    git ls-files -z --cached --others --exclude-standard
else
    find . \( -name .git -o -name 'build*' \) -prune -o -type f -printf '%P\0'
fi | while IFS= read -r -d '' file; do
    [ -f "$file" ] && printf '%s\0' "$file"
done | tar --null -T - -cf - | tar -xf - -C "$work/tree"
[ -f "$work/tree/scripts/test.sh" ] || fail "the copy holds no scripts/test.sh"
[ ! -e "$work/tree/.git" ] || fail "the copy holds a .git folder"

# A machine without git: the name is there, and any call of it fails loudly.
cat >"$work/bin/git" <<'GIT'
#!/bin/sh
echo "git: command not found" >&2
exit 127
GIT
chmod +x "$work/bin/git"

cd "$work/tree"
if ! PATH="$work/bin:$PATH" RODWICK_TEST_STAGES=first bash scripts/test.sh >"$work/log" 2>&1; then
    cat "$work/log" >&2
    fail "the test command's first stage stops in a tree without git"
fi
grep -q 'git: command not found' "$work/log" && { cat "$work/log" >&2; fail "git was called"; }
[ -f build/build.ninja ] || fail "the first stage configured no build"
echo "without git: PASS: the first stage ran in a copy without .git and without git"
