#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds with gcc's coverage counters in build-coverage/, runs every test, and prints line and
# branch coverage per library (each add_library of src/), then the whole. The browsable report
# is build-coverage/coverage/index.html. A developer's tool: CI does not run it.
# Usage: scripts/coverage.sh [ctest arguments...]   (e.g. -R store to cover one suite's reach)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh coverage
jobs=$(nproc)
build=build-coverage

# Unoptimised, so that a line counts where it is written; the benchmarks only cost time here.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRODWICK_BENCHMARKS=OFF \
      -DRODWICK_WERROR=ON -DCMAKE_CXX_FLAGS="--coverage" -DCMAKE_EXE_LINKER_FLAGS="--coverage"
cmake --build "$build" -j "$jobs"
# Counters of an earlier run would add to this one.
find "$build" -name '*.gcda' -delete
ctest --test-dir "$build" -j "$jobs" --output-on-failure "$@" || echo "(some tests failed: the figures cover what ran)"

# Branches that only an exception or the compiler's own code takes are not the program's.
gcovr_args=(-r . --object-directory "$build" --filter 'src/' --exclude-throw-branches
            --exclude-unreachable-branches -j "$jobs")
mkdir -p "$build/coverage"
gcovr "${gcovr_args[@]}" --json "$build/coverage/all.json" \
      --html-details "$build/coverage/index.html"

# Each library's sources, from the add_library() lists of its folder's CMakeLists.txt.
libraries=$(python3 - <<'PY'
import pathlib, re
for lists in sorted(pathlib.Path("src").glob("*/CMakeLists.txt")):
    text = re.sub(r"#.*", "", lists.read_text())
    for name, body in re.findall(r"add_library\(\s*(\w+)\s+STATIC([^)]*)\)", text):
        files = [f for f in body.split() if f.endswith(".cpp")]
        if files:
            print(name, " ".join(f"{lists.parent}/{f}" for f in files))
PY
)

summary() {
    # gcovr --print-summary ends with "lines: P% (covered out of total)" and "branches: ...".
    # Never "-o /dev/null": gcovr deletes its output file after trying it, as root the device too.
    gcovr --add-tracefile "$build/coverage/all.json" "$@" --print-summary -o "$build/coverage/summary.txt" |
        awk '/^lines:/ {l = $2 " " $3 " " $4 " " $5 " " $6} /^branches:/ {b = $2 " " $3 " " $4 " " $5 " " $6}
             END {printf "%-26s %-28s %s\n", name, l, b}' name="$label"
}
printf '%-26s %-28s %s\n' library lines branches
while read -r name files; do
    filters=()
    for f in $files; do filters+=(--filter "$(sed 's/[.]/[.]/g' <<<"$f")\$"); done
    label=$name summary "${filters[@]}"
done <<<"$libraries"
label=all summary
echo "HTML report: $build/coverage/index.html"
