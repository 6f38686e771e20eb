#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plants the small faults kept as patches in tests/faults/ one at a time, builds, runs the tests
# and prints which test caught each fault, or "survived". A fault that survives is a behaviour no
# test guards. A developer's tool, slow (one build and one test run per fault), not part of
# scripts/test.sh.
#
#   scripts/plant_faults.sh [--no-baseline] [FAULT...] [-- CTEST_ARGS...]
#
# FAULT is a patch's name without ".patch" (store-line-end) or a shell pattern ('store-*');
# none means all. CTEST_ARGS go to every ctest run (-R Store, --timeout 60, ...). The first
# line of each patch says what the fault is; git apply skips it. FAULTS_BUILD_DIR names another
# build folder configured the same way (build-faults/ by default).
set -euo pipefail
cd "$(dirname "$0")/.."

build="${FAULTS_BUILD_DIR:-build-faults}"
jobs=${JOBS:-$(nproc)}
baseline=1
patterns=()
ctest_args=()
while (($#)); do
    case $1 in
        --no-baseline) baseline=0 ;;
        -h | --help)
            sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'
            exit 0
            ;;
        --)
            shift
            ctest_args=("$@")
            break
            ;;
        *) patterns+=("$1") ;;
    esac
    shift
done

# A fault is taken out again on every way out, but a tree with edits of its own could not be
# told apart from a fault left behind.
if [[ -n $(git status --porcelain -- src app) ]]; then
    echo "plant_faults: src/ has uncommitted changes; commit or stash them first." >&2
    exit 2
fi

faults=()
for patch in tests/faults/*.patch; do
    name=$(basename "$patch" .patch)
    if ((${#patterns[@]} == 0)); then
        faults+=("$patch")
        continue
    fi
    for pattern in "${patterns[@]}"; do
        # shellcheck disable=SC2053  # the pattern is meant to match as a glob
        if [[ $name == $pattern ]]; then
            faults+=("$patch")
            break
        fi
    done
done
if ((${#faults[@]} == 0)); then
    echo "plant_faults: no fault matches ${patterns[*]}" >&2
    exit 2
fi

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DRODWICK_BENCHMARKS=ON \
      -DRODWICK_WERROR=ON "${launcher[@]}" >/dev/null

log=$build/plant_faults
mkdir -p "$log"
applied=""
restore() {
    if [[ -n $applied ]]; then
        git apply -R "$applied" || echo "plant_faults: could not take out $applied" >&2
        applied=""
    fi
}
trap restore EXIT
trap 'restore; exit 130' INT TERM

run_tests() {
    ctest --test-dir "$build" -j "$jobs" --stop-on-failure --timeout 300 "${ctest_args[@]}"
}

echo "Building without faults..."
if ! nice cmake --build "$build" -j "$jobs" >"$log/baseline.build" 2>&1; then
    echo "plant_faults: the tree does not build; see $log/baseline.build" >&2
    exit 1
fi
if ((baseline)); then
    echo "Running the tests without faults..."
    if ! run_tests >"$log/baseline.test" 2>&1; then
        echo "plant_faults: tests fail without any fault; see $log/baseline.test" >&2
        exit 1
    fi
fi

# The first test ctest reports as failed, timed out or crashed.
first_failure() {
    grep -m1 -E '\*\*\*(Failed|Timeout|Exception)|Subprocess aborted|SEGFAULT|Child aborted' "$1" |
        sed -E 's/^.*Test +#[0-9]+: ([^ ]+).*$/\1/' || echo "(see log)"
}

results=()
caught=0 survived=0 broken=0
for patch in "${faults[@]}"; do
    name=$(basename "$patch" .patch)
    library=$(grep -m1 -E '^\+\+\+ b/src/' "$patch" | sed -E 's|^\+\+\+ b/src/([^/]+)/.*|\1|')
    start=$SECONDS
    if ! git apply "$patch" 2>"$log/$name.apply"; then
        verdict="does not apply"
        broken=$((broken + 1))
    else
        applied=$patch
        if ! nice cmake --build "$build" -j "$jobs" >"$log/$name.build" 2>&1; then
            verdict="build failed"
            broken=$((broken + 1))
        elif run_tests >"$log/$name.test" 2>&1; then
            verdict="survived"
            survived=$((survived + 1))
        else
            verdict="caught by $(first_failure "$log/$name.test")"
            caught=$((caught + 1))
        fi
        restore
    fi
    line=$(printf '%-32s %-12s %s (%ds)' "$name" "$library" "$verdict" $((SECONDS - start)))
    echo "$line"
    results+=("$line")
done

echo
printf '%-32s %-12s %s\n' FAULT LIBRARY RESULT
printf '%s\n' "${results[@]}"
echo
echo "caught $caught, survived $survived, not run $broken, of ${#faults[@]} faults"
echo "(logs in $log/)"
