# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts that run the program on a virtual X screen of their own (the
# end-to-end tests and the idle measurement). Source it after defining fail() and setting
# LIMIT (seconds allowed for each awaited step); TOTAL, if set, caps every deadline.
# It provides need_tools, open_run, set_deadline, stop_pid, start_xvfb and need_atspi.

# Fails unless every tool named is installed.
need_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is not installed"
    done
}

# Makes the folder $work; on exit the program ($program_pid) and the X server ($xvfb_pid) are
# stopped and the folder removed.
open_run() {
    work=$(mktemp -d)
    program_pid=""
    xvfb_pid=""
    trap 'stop_pid "$program_pid"; stop_pid "$xvfb_pid"; rm -rf "$work"' EXIT
    trap 'fail "interrupted"' INT TERM HUP
}

# Sets $deadline for the next awaited step: LIMIT from now, never past TOTAL.
set_deadline() {
    deadline=$((SECONDS + LIMIT))
    if [ -n "${TOTAL:-}" ] && [ "$deadline" -gt "$TOTAL" ]; then deadline=$TOTAL; fi
}

# Ends a process politely, then firmly after five seconds.
stop_pid() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill -0 "$pid" 2>/dev/null || return 0
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

# Starts Xvfb with its log in WORKDIR, exports DISPLAY and sets xvfb_pid once the display
# answers. -displayfd lets the server pick a free display number itself: no race with other
# servers. -noreset: by default the server resets when its last client leaves, and a program
# that connects during that reset is refused.
start_xvfb() {
    local work=$1
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" \
        2>"$work/xvfb.log" &
    xvfb_pid=$!
    set_deadline
    until [ -s "$work/display" ] && grep -q '^[0-9][0-9]*$' "$work/display"; do
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
        [ $SECONDS -lt $deadline ] || fail "Xvfb gave no display number within ${LIMIT}s"
        sleep 0.1
    done
    export DISPLAY=":$(head -n1 "$work/display")"
    set_deadline
    until xdotool getdisplaygeometry >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || fail "display $DISPLAY did not answer within ${LIMIT}s"
        sleep 0.1
    done
}

# For the scripts that read the program over AT-SPI: skips (via skip()) where the session bus,
# the AT-SPI bus or python3-pyatspi is missing, and sets $python to Debian's own interpreter,
# where python3-pyatspi is installed, before any other on the path.
need_atspi() {
    command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed"
    [ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed"
    python=python3
    [ -x /usr/bin/python3 ] && python=/usr/bin/python3
    "$python" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
}
