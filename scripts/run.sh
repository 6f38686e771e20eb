#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the example database.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build --target rodwick

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display found: starting on a virtual screen (xvfb-run)." >&2
    bash scripts/deps.sh test
    exec xvfb-run -a -s "-screen 0 1024x768x24" build/bin/rodwick
fi
exec build/bin/rodwick
