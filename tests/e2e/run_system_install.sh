#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A system install used by an ordinary user: installs the built program into a prefix owned
# by root, starts it as the user "nobody" on a virtual X screen, and checks that the user gets
# a copy of the example database of their own, can save it, and can confirm the preferences,
# all without a message, before leaving through Exit; man shows the installed manual page, and
# the program loads its charts module from the install once its main window stands, and not yet
# its media module, which waits for the first photo read.
# Usage: run_system_install.sh BUILD_DIR
# Exits 77 (skipped) where it cannot run as another user.
set -u

readonly LIMIT=30  # seconds allowed for each awaited step
readonly TOTAL=150 # seconds for the whole run, below the test's own timeout
readonly USER_NAME=nobody

fail() {
    echo "system install: FAIL: $*" >&2
    if [ -n "${work:-}" ] && [ -s "$work/program.log" ]; then
        echo "system install: program output:" >&2
        sed 's/^/    /' "$work/program.log" >&2
    fi
    exit 1
}
skip() {
    echo "system install: SKIPPED: $*"
    exit 77
}
note() { echo "system install: $*"; }
# shellcheck source=../../scripts/virtual_screen.sh
. "$(dirname "$0")/../../scripts/virtual_screen.sh"

[ $# -eq 1 ] || fail "usage: $0 BUILD_DIR"
build=$1
[ "$(id -u)" -eq 0 ] || skip "needs root to install as root and start the program as $USER_NAME"
command -v runuser >/dev/null || skip "runuser is not installed"
id "$USER_NAME" >/dev/null 2>&1 || skip "there is no user $USER_NAME"
need_tools xdotool Xvfb cmake stat

open_run
chmod 755 "$work"
prefix=$work/usr
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$work/install.log")"
for file in bin/rodwick share/rodwick/EXAMPLE.RWK share/rodwick/ANGLEBOX.doc; do
    [ -e "$prefix/$file" ] || fail "the install has no $file"
done
# In LIBDIR/rodwick, which is lib/ or lib/ARCH/ as the configuration chose.
module=$(find "$prefix/lib" -path '*/rodwick/librodwick_charts.so' | head -n1)
[ -n "$module" ] || fail "the install has no LIBDIR/rodwick/librodwick_charts.so"
media=$(dirname "$module")/librodwick_media.so
[ -f "$media" ] || fail "the install has no $media"
if unresolved=$(ldd "$media" | grep 'not found'); then
    fail "the installed media module lacks libraries: $unresolved"
fi
# The manual page is found under the prefix, as man finds it for an install in /usr/local.
if command -v man >/dev/null; then
    found=$(man -M "$prefix/share/man" -w rodwick 2>&1)
    [ "$found" = "$prefix/share/man/man1/rodwick.1.gz" ] ||
        fail "man does not find the installed page: $found"
    MANWIDTH=80 man -M "$prefix/share/man" rodwick 2>&1 | grep -q '^SYNOPSIS' ||
        fail "man shows no page for rodwick"
    note "man finds and shows the installed page"
fi

home=$work/home
mkdir "$home"
chown "$USER_NAME" "$home"
runuser -u "$USER_NAME" -- test -w "$prefix/share/rodwick" &&
    fail "$USER_NAME may write the installed folder: nothing would be tested"

start_xvfb "$work"
note "started Xvfb on $DISPLAY"

# A clean environment: only the home folder says where the user's files go. The sanitizers'
# settings of a sanitizer build go along; a suppressions file they name is copied into the run's
# folder first, since $USER_NAME may not be able to read the source tree it comes from.
sanitizer_settings=()
for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [ -n "${!name:-}" ] || continue
    options=()
    IFS=: read -r -a parts <<<"${!name}"
    for part in "${parts[@]}"; do
        if [[ $part == suppressions=* ]]; then
            readable=$work/$name.supp
            cp "${part#suppressions=}" "$readable" || fail "cannot copy the file named in $name"
            chmod 644 "$readable"
            part=suppressions=$readable
        fi
        options+=("$part")
    done
    sanitizer_settings+=("$name=$(IFS=:; echo "${options[*]}")")
done
runuser -u "$USER_NAME" -- env -i HOME="$home" DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb \
    PATH=/usr/bin:/bin "${sanitizer_settings[@]}" "$prefix/bin/rodwick" >"$work/program.log" 2>&1 &
program_pid=$!

running() { kill -0 "$program_pid" 2>/dev/null; }
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
# Fails when any of the program's message boxes or dialogs other than the main window stands.
no_message() {
    local title
    for title in '^Save$' '^Preferences$' '^Example database$' '^Save As$'; do
        [ -z "$(window "$title")" ] || fail "a window \"$title\" appeared ($1)"
    done
}
# Sends a key to the window until the condition command succeeds.
key_until() {
    local id=$1 key=$2 what=$3
    shift 3
    set_deadline
    until "$@"; do
        running || fail "the program ended while waiting for $what"
        [ $SECONDS -lt $deadline ] || fail "no $what within ${LIMIT}s"
        xdotool windowfocus --sync "$id" 2>/dev/null
        xdotool key "$key"
        sleep 0.5
    done
}

copy=$home/.local/share/rodwick/EXAMPLE.RWK
settings=$home/.config/rodwick/ANGLEBOX.INI
main_id=""
set_deadline
until [ -n "$main_id" ]; do
    running || fail "the program ended during start-up"
    [ $SECONDS -lt $deadline ] || fail "no main window within ${LIMIT}s"
    main_id=$(window '^Rodwick DB: ')
    sleep 0.2
done
title=$(xdotool getwindowname "$main_id")
[ "$title" = "Rodwick DB: $copy" ] || fail "the main window shows \"$title\", not the user's copy"
[ "$(stat -c %U "$copy")" = "$USER_NAME" ] || fail "the copy of the example is not the user's"
cmp -s "$copy" "$prefix/share/rodwick/EXAMPLE.RWK" || fail "the copy differs from the example"
no_message "at start"
note "the main window shows the user's copy of the example"

# The program itself, not runuser before it.
program_process() {
    local exe
    for exe in /proc/[0-9]*/exe; do
        if [ "$(readlink "$exe" 2>/dev/null)" = "$prefix/bin/rodwick" ]; then
            exe=${exe#/proc/}
            echo "${exe%/exe}"
            return
        fi
    done
}
charts_loaded() { grep -qF "$module" "/proc/$(program_process)/maps" 2>/dev/null; }
set_deadline
until charts_loaded; do
    running || fail "the program ended while waiting for its charts module"
    [ $SECONDS -lt $deadline ] || fail "the program did not load $module within ${LIMIT}s"
    sleep 0.2
done
note "the charts module was loaded from the install"
# A log book without photos reads none: the media module is not loaded for the start.
grep -qF "$media" "/proc/$(program_process)/maps" && fail "the media module was loaded at start-up"

# Ctrl+S saves over the copy through a temporary file renamed over it: a new inode.
inode=$(stat -c %i "$copy")
saved() { [ "$(stat -c %i "$copy")" != "$inode" ]; }
key_until "$main_id" ctrl+s "save of the user's copy" saved
no_message "after saving"
note "saved the user's copy"

# Ctrl+U opens the preferences; Return takes Okay, which writes the settings.
prefs_shown() { [ -n "$(window '^Preferences$')" ]; }
key_until "$main_id" ctrl+u "preferences window" prefs_shown
prefs_id=$(window '^Preferences$')
settings_written() { [ -f "$settings" ]; }
key_until "$prefs_id" Return "settings file at $settings" settings_written
sleep 0.5
no_message "after confirming the preferences"
[ "$(stat -c %U "$settings")" = "$USER_NAME" ] || fail "the settings file is not the user's"
head -n1 "$settings" | grep -qF "$copy" || fail "the settings do not name the user's copy"
[ ! -e "$prefix/share/rodwick/ANGLEBOX.INI" ] || fail "settings were written into the install"
note "confirmed the preferences"

exit_shown() { [ -n "$(window '^Exit$')" ]; }
key_until "$main_id" ctrl+x "exit question" exit_shown
ended() { ! running; }
key_until "$(window '^Exit$')" Return "end of the program" ended
wait "$program_pid"
status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program exited with status $status"

note "PASS: started, saved and confirmed the preferences as $USER_NAME without a message"
