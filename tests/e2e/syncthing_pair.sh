# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Two Syncthing daemons on this one machine, A and B, sharing one folder as a log book is shared
# between two computers. Everything stays on 127.0.0.1: each daemon knows the other by its
# address, and discovery (global and local), relays, NAT traversal, usage and crash reports and
# upgrades are all off, so no other address is ever contacted.
#
# Source it after defining fail() (ends the test as failed) and skip() (exit status 77, the test
# skipped). TOTAL, if set, caps every deadline (a value of $SECONDS); PAIR_LIMIT (default 60) is
# the seconds allowed for each awaited step. It provides:
#   start_pair WORK FOLDER_A FOLDER_B  daemons with their homes under WORK, each sharing its
#                                      folder; returns once they are connected. Skips where
#                                      Syncthing is missing or cannot start.
#   pause_device, resume_device        each daemon pauses (resumes) the other: the two machines
#                                      apart, then together again; both wait for the link.
#   rescan SIDE...                     scans the folder now on those sides (A, B).
#   wait_in_sync                       waits until both sides hold the same files and are idle.
#   check_loopback_only                fails on any socket of the daemons off 127.0.0.1.
#   stop_pair                          stops both daemons; safe to call twice, meant for a trap.
# and, once started, pair_id[A|B] (device IDs) and pair_log[A|B] (daemon logs).

readonly pair_folder_id=logbook
declare -gA pair_pid=() pair_home=() pair_api=() pair_key=() pair_id=() pair_log=()
pair_watchdog=""

# Seconds from now, never past TOTAL.
pair_deadline() {
    local end=$((SECONDS + $1))
    if [ -n "${TOTAL:-}" ] && [ "$end" -gt "$TOTAL" ]; then end=$TOTAL; fi
    echo "$end"
}

# A REST call to one daemon: pair_rest SIDE METHOD PATH [SECONDS]. Prints the answer; fails
# (status 1, nothing printed) on an HTTP error or when the daemon does not answer within
# SECONDS (5 unless given), so that a daemon that hangs holds no loop past its deadline long.
pair_rest() {
    curl -sSf --max-time "${4:-5}" -X "$2" -H "X-API-Key: ${pair_key[$1]}" "${pair_api[$1]}$3" \
        2>/dev/null
}

# The other side.
pair_peer() { if [ "$1" = A ]; then echo B; else echo A; fi; }

# Four free TCP ports on the loopback address, distinct: held open together while chosen.
pair_free_ports() {
    python3 - <<'PY'
import socket
held = []
for _ in range(4):
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    held.append(s)
print(" ".join(str(s.getsockname()[1]) for s in held))
PY
}

# The configuration of one side: its own GUI and protocol ports, the peer's protocol port. A
# folder element takes no defaults: without maxConflicts it would keep no conflict copy at all.
pair_write_config() {
    local side=$1 folder=$2 gui_port=$3 port=$4 peer_port=$5
    local peer
    peer=$(pair_peer "$side")
    cat >"${pair_home[$side]}/config.xml" <<XML
<configuration version="36">
    <folder id="$pair_folder_id" label="Log book" path="$folder" type="sendreceive"
            rescanIntervalS="10" fsWatcherEnabled="true" fsWatcherDelayS="1" autoNormalize="true">
        <device id="${pair_id[A]}"></device>
        <device id="${pair_id[B]}"></device>
        <maxConflicts>10</maxConflicts>
        <minDiskFree unit="%">1</minDiskFree>
    </folder>
    <device id="${pair_id[$side]}" name="$side" compression="metadata">
        <address>tcp://127.0.0.1:$port</address>
    </device>
    <device id="${pair_id[$peer]}" name="$peer" compression="metadata">
        <address>tcp://127.0.0.1:$peer_port</address>
    </device>
    <gui enabled="true" tls="false">
        <address>127.0.0.1:$gui_port</address>
        <apikey>${pair_key[$side]}</apikey>
    </gui>
    <options>
        <listenAddress>tcp://127.0.0.1:$port</listenAddress>
        <globalAnnounceEnabled>false</globalAnnounceEnabled>
        <localAnnounceEnabled>false</localAnnounceEnabled>
        <relaysEnabled>false</relaysEnabled>
        <natEnabled>false</natEnabled>
        <stunKeepaliveStartS>0</stunKeepaliveStartS>
        <stunKeepaliveMinS>0</stunKeepaliveMinS>
        <announceLANAddresses>false</announceLANAddresses>
        <urAccepted>-1</urAccepted>
        <urSeen>3</urSeen>
        <crashReportingEnabled>false</crashReportingEnabled>
        <autoUpgradeIntervalH>0</autoUpgradeIntervalH>
        <startBrowser>false</startBrowser>
        <restartOnWakeup>false</restartOnWakeup>
        <reconnectionIntervalS>5</reconnectionIntervalS>
        <setLowPriority>false</setLowPriority>
    </options>
</configuration>
XML
}

# Starts the daemon of one side and waits for its REST interface. Returns 2 when a port was
# taken meanwhile (the caller tries others); skips when the daemon cannot start at all.
pair_start_daemon() {
    local side=$1 port=$2
    # STMONITORED: the daemon itself, without the monitor process that would otherwise start it
    # as its child, so that the pid kept is the one holding the sockets and a kill leaves no
    # daemon behind.
    STMONITORED=yes STNOUPGRADE=1 STNODEFAULTFOLDER=1 HOME="${pair_home[$side]}" \
        syncthing serve --home="${pair_home[$side]}" --no-browser --no-upgrade --logflags=3 \
        >>"${pair_log[$side]}" 2>&1 </dev/null &
    pair_pid[$side]=$!
    local deadline
    deadline=$(pair_deadline 30)
    until [ "$(pair_rest "$side" GET /rest/system/ping | jq -r .ping 2>/dev/null)" = pong ]; do
        if ! kill -0 "${pair_pid[$side]}" 2>/dev/null; then
            wait "${pair_pid[$side]}" 2>/dev/null
            pair_pid[$side]=""
            grep -q 'address already in use' "${pair_log[$side]}" && return 2
            # The configuration is ours: one the daemon refuses is a fault here, not the machine's.
            grep -q 'Failed to initialize config' "${pair_log[$side]}" &&
                fail "Syncthing $side refused its configuration: $(tail -n 1 "${pair_log[$side]}")"
            skip "Syncthing $side did not start: $(tail -n 5 "${pair_log[$side]}")"
        fi
        [ $SECONDS -lt "$deadline" ] || skip "Syncthing $side did not answer within 30s"
        sleep 0.2
    done
    # The protocol listener starts apart from the REST interface, and on a taken port only
    # reports its error.
    local listener=".connectionServiceStatus[\"tcp://127.0.0.1:$port\"]"
    local state=""
    until [ -n "$state" ]; do
        state=$(pair_rest "$side" GET /rest/system/status | jq -r \
            "if $listener == null then empty else ($listener.error // \"ok\") end" 2>/dev/null)
        [ $SECONDS -lt "$deadline" ] || skip "Syncthing $side opened no listener within 30s"
        [ -n "$state" ] || sleep 0.2
    done
    case $state in
    ok) return 0 ;;
    *"address already in use"*) return 2 ;;
    *) skip "Syncthing $side cannot listen on 127.0.0.1:$port: $state" ;;
    esac
}

# Whether SIDE's daemon is connected to its peer now.
pair_connected() {
    [ "$(pair_rest "$1" GET /rest/system/connections |
        jq -r ".connections[\"${pair_id[$(pair_peer "$1")]}\"].connected" 2>/dev/null)" = true ]
}

# Waits until both daemons see the link as WANT: connected or disconnected.
pair_await_link() {
    local want=$1 deadline side
    deadline=$(pair_deadline "${PAIR_LIMIT:-60}")
    for side in A B; do
        until [ "$(pair_connected "$side" && echo connected || echo disconnected)" = "$want" ]; do
            [ $SECONDS -lt "$deadline" ] ||
                fail "Syncthing $side was not $want within ${PAIR_LIMIT:-60}s"
            sleep 0.2
        done
    done
}

start_pair() {
    local work=$1 folder_a=$2 folder_b=$3
    command -v syncthing >/dev/null || skip "syncthing is not installed"
    command -v curl >/dev/null || skip "curl is not installed"
    command -v jq >/dev/null || skip "jq is not installed"
    command -v python3 >/dev/null || skip "python3 is not installed"
    local side attempt ports status
    declare -A folder=([A]=$folder_a [B]=$folder_b)
    for side in A B; do
        pair_home[$side]="$work/syncthing-$side"
        pair_log[$side]="$work/syncthing-$side.log"
        mkdir -p "${pair_home[$side]}" "${folder[$side]}/.stfolder"
        # The keys and the device ID; the configuration is written whole below, so that no
        # default (discovery, relays) is ever in force, not even for the first second.
        pair_id[$side]=$(syncthing generate --home="${pair_home[$side]}" --no-default-folder \
            --skip-port-probing 2>&1 | sed -n 's/^Device ID: *//p')
        [ -n "${pair_id[$side]}" ] || skip "syncthing generate made no device ID"
        pair_key[$side]=$(head -c 48 /dev/urandom | base64 | tr -dc 'A-Za-z0-9' | head -c 32)
    done
    for attempt in 1 2 3; do
        read -r -a ports < <(pair_free_ports)
        [ ${#ports[@]} -eq 4 ] || skip "no free ports on 127.0.0.1"
        pair_api[A]="http://127.0.0.1:${ports[0]}"
        pair_api[B]="http://127.0.0.1:${ports[1]}"
        pair_write_config A "$folder_a" "${ports[0]}" "${ports[2]}" "${ports[3]}"
        pair_write_config B "$folder_b" "${ports[1]}" "${ports[3]}" "${ports[2]}"
        status=0
        pair_start_daemon A "${ports[2]}" || status=$?
        [ $status -eq 0 ] && { pair_start_daemon B "${ports[3]}" || status=$?; }
        [ $status -eq 0 ] && break
        stop_pair
        [ "$attempt" -lt 3 ] || skip "the ports chosen were taken three times over"
    done
    # The daemons are stopped by the caller's trap; should the caller be killed without one,
    # this stops them instead.
    (
        while kill -0 $$ 2>/dev/null; do sleep 1; done
        kill -9 "${pair_pid[A]}" "${pair_pid[B]}" 2>/dev/null
    ) >/dev/null 2>&1 </dev/null &
    pair_watchdog=$!
    pair_await_link connected
}

stop_pair() {
    local side
    if [ -n "$pair_watchdog" ]; then
        kill "$pair_watchdog" 2>/dev/null
        wait "$pair_watchdog" 2>/dev/null
        pair_watchdog=""
    fi
    for side in A B; do
        [ -n "${pair_pid[$side]:-}" ] || continue
        kill "${pair_pid[$side]}" 2>/dev/null
        for _ in $(seq 50); do
            kill -0 "${pair_pid[$side]}" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "${pair_pid[$side]}" 2>/dev/null
        wait "${pair_pid[$side]}" 2>/dev/null
        pair_pid[$side]=""
    done
    return 0
}

pause_device() {
    local side
    for side in A B; do
        pair_rest "$side" POST "/rest/system/pause?device=${pair_id[$(pair_peer "$side")]}" \
            >/dev/null || fail "Syncthing $side did not pause its peer"
    done
    pair_await_link disconnected
}

resume_device() {
    local side
    for side in A B; do
        pair_rest "$side" POST "/rest/system/resume?device=${pair_id[$(pair_peer "$side")]}" \
            >/dev/null || fail "Syncthing $side did not resume its peer"
    done
    pair_await_link connected
}

# The scan returns once it is done.
rescan() {
    local side
    for side in "$@"; do
        pair_rest "$side" POST "/rest/db/scan?folder=$pair_folder_id" 30 >/dev/null ||
            fail "Syncthing $side did not scan the folder"
    done
}

# One line telling where SIDE stands, as wait_in_sync reads it:
# "idle need=0 files=2/2 peer=100 peer-need=0" (its state, what it lacks, the files it holds of
# the folder's, how complete it sees its peer and what the peer lacks).
pair_state() {
    local side=$1 peer status completion
    peer=${pair_id[$(pair_peer "$side")]}
    if ! status=$(pair_rest "$side" GET "/rest/db/status?folder=$pair_folder_id") ||
        ! completion=$(pair_rest "$side" GET \
            "/rest/db/completion?folder=$pair_folder_id&device=$peer"); then
        echo "no answer"
        return 1
    fi
    echo "$(jq -r '"\(.state) need=\(.needTotalItems) files=\(.localFiles)/\(.globalFiles)"' \
        <<<"$status") peer=$(jq -r '"\(.completion) peer-need=\(.needItems + .needDeletes)"' \
        <<<"$completion")"
}

# Whether a state of pair_state is settled: idle, nothing needed, as many files held as the
# folder has, the peer complete.
pair_settled() {
    [[ $1 =~ ^idle\ need=0\ files=([0-9]+)/([0-9]+)\ peer=100\ peer-need=0$ ]] &&
        [ "${BASH_REMATCH[1]}" = "${BASH_REMATCH[2]}" ]
}

# Both sides have scanned what they hold, pulled all they lack, and each knows the other holds
# everything, both telling the same. A change a side has not yet reported makes its peer
# incomplete; a pull ends with a scan of what it moved aside (a conflict copy), just after the
# folder turned idle: so the state counts as settled only when it holds for three polls in a
# row, half a second apart.
wait_in_sync() {
    local deadline settled=0 a b
    rescan A B
    deadline=$(pair_deadline "${PAIR_LIMIT:-60}")
    while [ $settled -lt 3 ]; do
        if pair_connected A && pair_connected B && a=$(pair_state A) && pair_settled "$a" &&
            b=$(pair_state B) && [ "$a" = "$b" ]; then
            settled=$((settled + 1))
        else
            settled=0
        fi
        [ $SECONDS -lt "$deadline" ] ||
            fail "not in sync within ${PAIR_LIMIT:-60}s: A $(pair_state A); B $(pair_state B)"
        sleep 0.5
    done
}

# Each daemon's configuration as it runs (an element it does not know is dropped silently, and
# its default, such as relays on, takes its place) has every outside contact off and only
# addresses on 127.0.0.1; and every socket the daemons hold is on 127.0.0.1: the listeners, the
# link between them and the REST connections.
check_loopback_only() {
    command -v ss >/dev/null || fail "ss (iproute2) is not installed"
    local side sockets others
    for side in A B; do
        pair_rest "$side" GET /rest/config | jq -e '
            (.options | .globalAnnounceEnabled or .localAnnounceEnabled or .relaysEnabled or
                .natEnabled or .urAccepted >= 0 or .crashReportingEnabled or
                .autoUpgradeIntervalH != 0 or .announceLANAddresses or .startBrowser or
                (.listenAddresses | any(startswith("tcp://127.0.0.1:") | not))) or
            ([.devices[].addresses[]] | any(startswith("tcp://127.0.0.1:") | not)) or
            (.gui.address | startswith("127.0.0.1:") | not) | not' >/dev/null ||
            fail "Syncthing $side runs with an outside contact on:" \
                "$(pair_rest "$side" GET /rest/config | jq -c .options)"
        sockets=$(ss -H -tuanp | grep "pid=${pair_pid[$side]},") ||
            fail "Syncthing $side holds no socket"
        # Columns 5 and 6: the local address and the peer's ("0.0.0.0:*" for a listener).
        others=$(awk '$5 !~ /^127\.0\.0\.1:/ || ($6 !~ /^127\.0\.0\.1:/ && $6 != "0.0.0.0:*")' \
            <<<"$sockets")
        [ -z "$others" ] || fail "Syncthing $side holds sockets off the loopback address: $others"
    done
}

# The last lines of each daemon's log on standard error, after PREFIX: what a failure shows.
show_pair_logs() {
    local side
    for side in A B; do
        if [ -n "${pair_log[$side]:-}" ] && [ -s "${pair_log[$side]}" ]; then
            echo "$1: the last lines of Syncthing $side's log:" >&2
            tail -n 15 "${pair_log[$side]}" | sed 's/^/    /' >&2
        fi
    done
}
