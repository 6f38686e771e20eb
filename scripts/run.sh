#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the program on the example database.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh run
# Its own build folder: the test script configures build/ differently, and sharing one
# would rebuild everything each time the two alternate.
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build-run --target rodwick

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display found: starting on a virtual screen (xvfb-run)." >&2
    bash scripts/deps.sh test
    exec xvfb-run -a -s "-screen 0 1024x768x24" build-run/bin/rodwick
fi
exec build-run/bin/rodwick
