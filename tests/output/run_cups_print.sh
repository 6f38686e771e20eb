#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The record printout on paper, as far as a test can see paper: a CUPS scheduler of this
# script's own with the cups-pdf printer as its default queue; the printout program prints
# two trips on the default printer under a job title of this run's own, and the PDF named
# after that title in the user's home (PDF/) must read back, line for line, as the printout.
# The title, not the job number, tells this run's PDF apart: a fresh scheduler numbers its
# jobs from 1 again, so a name made of the job number may be an earlier run's file.
# With "report", the program prints the trip list's report of the two trips instead, and the
# PDF must hold its title, headings, rows, totals and page number.
# Usage: run_cups_print.sh PATH_TO_print_with_default_printer [report]
# Exit status 77 (skipped) when CUPS cannot be set up here.
set -u

readonly LIMIT=60   # seconds allowed for each awaited step
readonly SKIPPED=77

note() { echo "cups: $*"; }
skip() {
    echo "cups: SKIPPED: $*"
    exit "$SKIPPED"
}
fail() {
    echo "cups: FAIL: $*" >&2
    if [ -n "${work:-}" ] && [ -s "$work/log/error_log" ]; then
        echo "cups: scheduler log (last lines):" >&2
        tail -n 30 "$work/log/error_log" | sed 's/^/    /' >&2
    fi
    exit 1
}
# shellcheck source=../../scripts/virtual_screen.sh
. "$(dirname "$0")/../../scripts/virtual_screen.sh"

[ $# -eq 1 ] || [ $# -eq 2 ] || fail "usage: $0 PRINTOUT_PROGRAM [report]"
printout=$1
mode=${2:-records}
[ -x "$printout" ] || fail "no printout program at $printout"

[ "$(id -u)" -eq 0 ] || skip "running a CUPS scheduler and the cups-pdf backend needs root"
for tool in cupsd lpadmin lpstat pdftotext timeout; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (packages cups, poppler-utils)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed"
[ -f /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ] || skip "the cups-pdf PPD is not installed"
getent group lp >/dev/null || skip "there is no lp group for the scheduler's filters"

# Where cups-pdf puts the PDF of a job of ours: its Out setting, ${HOME}/PDF on Debian.
user=$(id -un)
home=$(getent passwd "$user" | cut -d: -f6)
out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n1)
out=${out:-/var/spool/cups-pdf/\${USER\}}
out=${out//\$\{HOME\}/$home}
out=${out//\$\{USER\}/$user}

work=$(mktemp -d)
# Letters, digits and dashes only, which cups-pdf keeps as they are in the file name, and
# well short of the 64 characters it cuts a file name to.
title="rodwick-print-$$-$(basename "$work" | tr -cd '[:alnum:]')"
cupsd_pid=""
# This run's PDF, whatever label cups-pdf adds before or after the title.
ours() { find "$out" -maxdepth 1 -type f -name "*${title}*.pdf" 2>/dev/null; }
cleanup() {
    stop_pid "$cupsd_pid"
    # The PDFs this run made, and nothing else of the user's.
    [ -d "$out" ] && ours | while read -r made; do rm -f "$made"; done
    [ -z "${made_out:-}" ] || rmdir "$out" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'fail "interrupted"' INT TERM HUP

# A scheduler with its own configuration, queue and socket: the machine's own CUPS setup,
# running or not, is neither used nor changed.
chmod 755 "$work"
mkdir -p "$work/conf/ppd" "$work/spool" "$work/cache" "$work/state" "$work/tmp" "$work/log"
chgrp lp "$work/tmp" && chmod 1770 "$work/tmp" || skip "cannot give the lp group a temporary folder"
cat >"$work/conf/cupsd.conf" <<CONF
Listen $work/cups.sock
LogLevel warn
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$work/conf/cups-files.conf" <<CONF
ServerRoot $work/conf
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/tmp
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
SystemGroup root
CONF
export CUPS_SERVER="$work/cups.sock"
unset PRINTER LPDEST

cupsd -f -c "$work/conf/cupsd.conf" -s "$work/conf/cups-files.conf" >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
deadline=$((SECONDS + LIMIT))
until timeout 5 lpstat -r 2>/dev/null | grep -q "is running"; do
    kill -0 "$cupsd_pid" 2>/dev/null || skip "cupsd did not start: $(cat "$work/log/cupsd.out")"
    [ $SECONDS -lt $deadline ] || skip "cupsd did not answer within ${LIMIT}s"
    sleep 0.2
done
note "started cupsd (pid $cupsd_pid) on $CUPS_SERVER"

timeout 30 lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>"$work/log/lpadmin" ||
    skip "cannot create the cups-pdf queue: $(cat "$work/log/lpadmin")"
timeout 30 lpadmin -d PDF || skip "cannot make the PDF queue the default"
# Without this, the PDF holds the text in a form pdftotext cannot read back.
timeout 30 lpadmin -p PDF -o pdftops-renderer-default=pdftocairo || skip "cannot set the renderer"
note "queue PDF is the default: $(timeout 5 lpstat -d)"

[ -d "$out" ] || made_out=1
mkdir -p "$out"
# The backend makes its spool folder at its first job on a new machine, and a job that races
# another backend making it is cancelled: make it first, as the backend would (root's, 0751).
spool=$(sed -n 's/^Spool[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n1)
spool=${spool:-/var/spool/cups-pdf/SPOOL}
if [ ! -d "$spool" ]; then
    mkdir -p "$spool" && chmod 0751 "$spool" || fail "cannot make the cups-pdf spool folder $spool"
    note "made the cups-pdf spool folder $spool"
fi
timeout "$LIMIT" env QT_QPA_PLATFORM=offscreen "$printout" "$title" "$mode" >"$work/log/printout" 2>&1
status=$?
[ "$status" -eq 0 ] || fail "the printout program ended with status $status: $(cat "$work/log/printout")"
note "printout handed to the default printer as \"$title\""

# The job is done once the scheduler holds no unfinished job and its PDF is there.
pdf=""
deadline=$((SECONDS + LIMIT))
while :; do
    if [ -z "$(timeout 5 lpstat -W not-completed -o 2>/dev/null)" ]; then
        pdf=$(ours | head -n1)
        [ -n "$pdf" ] && break
    fi
    [ $SECONDS -lt $deadline ] || fail "no PDF titled $title in $out within ${LIMIT}s of printing;" \
        "unfinished jobs: $(timeout 5 lpstat -W not-completed -l -o 2>&1)"
    sleep 0.5
done
note "the job came out as $pdf"

# Runs of blanks read back as one, blank lines dropped.
timeout 30 pdftotext -layout "$pdf" "$work/printout.txt" || fail "pdftotext cannot read $pdf"
sed -e 's/[[:space:]]\+/ /g' -e 's/^ //' -e 's/ $//' -e '/^$/d' "$work/printout.txt" >"$work/read.txt"
if [ "$mode" = report ]; then
    # Columns come out of the PDF as far apart as they were printed: each line is looked for
    # with its cells in order ("fi" may come back as one ligature).
    while read -r pattern; do
        grep -q -- "$pattern" "$work/read.txt" ||
            fail "the report has no line like \"$pattern\"; it reads:$(printf '\n%s' "$(cat "$work/read.txt")")"
    done <<'LINES'
^All trips$
^No\. Date Venue Type of Water Species
^1 06-23-2001 Grand Union Canal Canal Roach, Perch Perch
^2 06-16-2001 River Trent River Barbel, Chub Barbel
^Showing 2 of 2 trips; 14 h 0 min .*shed; 37 lb 10 oz caught; 0 blank trips; .6.50 on day tickets$
^Page 1 of 1$
LINES
    note "PASS: the trip report came out of CUPS with its title, rows, totals and page number"
    exit 0
fi
cat >"$work/expected.txt" <<'TEXT'
/logs/cups-check.RWK -
Venue: Grand Union Canal
Type of Water: Canal
Day Ticket Price: £2.50
Club: Towpath Anglers
Total Weight: 3.12 lb
Water Conditions: Clean
Weather: Sunny
Temperature: 18
Method: Pole
Depth: 1.20 ft
Best Bait, etc :Pinkie
Species Caught: Roach, Perch
Best Fish: Perch Weight: 1.4 lb
Restrictions: Barbless hooks only
Remarks: Boats every ten minutes.
Date: 06-23-2001
Start Time: 06:00
Finish Time: 11:30
Venue: River Trent
Type of Water: River
Day Ticket Price: 4.00
Club: Collingham AA
Total Weight: 12.350 lb
Water Conditions: Satisfactory
Weather: Cloudy
Temperature: 11
Method: Feeder
Depth: 2.40 ft
Best Bait, etc :Maggots
Species Caught: Barbel, Chub
Best Fish: Barbel Weight: 4.200 lb
Restrictions: No night fishing
Remarks: Late barbel.
Date: 06-16-2001
Start Time: 07:30
Finish Time: 16:00
TEXT
if ! diff -u "$work/expected.txt" "$work/read.txt" >"$work/diff"; then
    cat "$work/diff" >&2
    fail "the PDF does not read back as the printout"
fi
note "PASS: the printout came out of CUPS line for line"
