#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the DEB package, which lintian must pass without an error or a warning, installs it
# in a fresh Debian 12 root made with debootstrap, reads its manual page there with man, and
# starts the program there as an ordinary user on a virtual X screen: the main window must
# appear on the user's own copy of the example database.
# Usage: scripts/check_package.sh   (as root; slow: it downloads a minimal Debian and Qt)
# The packages come from the first Debian source this machine's apt uses, or from $MIRROR.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
    echo "check_package: FAIL: $*" >&2
    exit 1
}
note() { echo "check_package: $*"; }

[ "$(id -u)" -eq 0 ] || fail "run it as root (debootstrap and chroot need it)"
for tool in debootstrap cpack chroot lintian; do
    command -v "$tool" >/dev/null ||
        fail "$tool is not installed (apt-get install debootstrap cmake lintian)"
done

mirror=${MIRROR:-}
if [ -z "$mirror" ]; then
    mirror=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\/debian\)$/\1/p' \
        /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n1)
fi
if [ -z "$mirror" ] && [ -f /etc/apt/sources.list ]; then
    mirror=$(awk '$1 == "deb" && $2 ~ /\/debian\/?$/ { print $2; exit }' /etc/apt/sources.list)
fi
[ -n "$mirror" ] || fail "no Debian source found in apt's configuration; set MIRROR"

note "building the packages"
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DRODWICK_WERROR=ON \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build build-package --target rodwick >/dev/null
(cd build-package && cpack -G "DEB;TGZ" >/dev/null)
deb=$(ls build-package/rodwick_*.deb | head -n1)
[ -f "$deb" ] || fail "cpack made no DEB"
note "built $(basename "$deb") and $(basename "$(ls build-package/rodwick-*.tar.gz | head -n1)")"
dpkg-deb --field "$deb" Package Version Depends | sed 's/^/    /'

note "lintian $(basename "$deb")"
# stderr only says that root should not run it.
status=0
report=$(lintian --fail-on error,warning "$deb" 2>/dev/null) || status=$?
[ -z "$report" ] || sed 's/^/    /' <<<"$report"
if [ "$status" -ne 0 ] || grep -qE '^[EW]: ' <<<"$report"; then
    fail "lintian reports errors or warnings (status $status)"
fi
note "lintian: no error, no warning"

root=$(mktemp -d)
# The root folder becomes "/" for the ordinary user too.
chmod 755 "$root"
cleanup() {
    for mount in "$root/dev/pts" "$root/dev" "$root/proc"; do
        mountpoint -q "$mount" && umount -l "$mount"
    done
    rm -rf "$root"
}
trap cleanup EXIT

note "making a fresh Debian 12 root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
    fail "debootstrap failed: $(tail -n 20 "$root.debootstrap.log")"
rm -f "$root.debootstrap.log"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp "$deb" "$root/tmp/rodwick.deb"

note "installing the package and starting the program as an ordinary user"
chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root bash -s <<'INSIDE'
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends /tmp/rodwick.deb >/tmp/install.log 2>&1 ||
    { tail -n 30 /tmp/install.log; exit 1; }
# The tools of this check only, not the program's.
apt-get install -y -qq --no-install-recommends xvfb xdotool man-db >>/tmp/install.log 2>&1
echo "    installed: $(dpkg-query -W -f='${Package} ${Version}' rodwick)"
for file in /usr/bin/rodwick /usr/share/rodwick/EXAMPLE.RWK /usr/share/rodwick/ANGLEBOX.doc \
    /usr/share/applications/org.rodwick.Rodwick.desktop \
    /usr/share/mime/packages/org.rodwick.Rodwick.xml \
    /usr/share/metainfo/org.rodwick.Rodwick.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/org.rodwick.Rodwick.svg \
    /usr/share/icons/hicolor/48x48/apps/org.rodwick.Rodwick.png \
    /usr/share/doc/rodwick/copyright /usr/share/doc/rodwick/changelog.gz \
    /usr/share/man/man1/rodwick.1.gz /usr/lib/*/rodwick/librodwick_charts.so \
    /usr/lib/*/rodwick/librodwick_media.so; do
    [ -e "$file" ] || { echo "    missing: $file"; exit 1; }
done
rodwick --version | sed 's/^/    --version: /'
# Not on a terminal, man prints the page as plain text.
page=$(MANWIDTH=80 man rodwick 2>&1) || { echo "    man rodwick failed: $page"; exit 1; }
grep -q '^NAME' <<<"$page" || { echo "    man rodwick shows no page: $page"; exit 1; }
echo "    man rodwick: $(sed -n '/^NAME/{n;s/^ *//;p;q}' <<<"$page")"

useradd --create-home angler
Xvfb :42 -nolisten tcp -screen 0 1024x768x24 >/tmp/xvfb.log 2>&1 &
xvfb=$!
# The program must not start before the screen takes connections.
for _ in $(seq 50); do
    [ -S /tmp/.X11-unix/X42 ] && break
    sleep 0.2
done
runuser -u angler -- env -i HOME=/home/angler DISPLAY=:42 PATH=/usr/bin:/bin rodwick \
    >/tmp/program.log 2>&1 &
program=$!
title=""
for _ in $(seq 150); do
    id=$(DISPLAY=:42 xdotool search --onlyvisible --name '^Rodwick DB: ' 2>/dev/null | head -n1 || true)
    if [ -n "$id" ]; then
        title=$(DISPLAY=:42 xdotool getwindowname "$id")
        break
    fi
    kill -0 "$program" 2>/dev/null || break
    sleep 0.2
done
# The charts module comes in once the main window is up; the statistics window needs it.
charts=""
for _ in $(seq 50); do
    [ -n "$title" ] || break
    # The program is runuser's child (or runuser itself, where it runs the program in place).
    charts=$(for pid in "$program" $(cat "/proc/$program/task/"*/children 2>/dev/null); do
        cat "/proc/$pid/maps" 2>/dev/null
    done | grep -o '/[^ ]*librodwick_charts\.so' | head -n1 || true)
    [ -n "$charts" ] && break
    sleep 0.2
done
kill "$program" 2>/dev/null || true
kill "$xvfb" 2>/dev/null || true
wait 2>/dev/null || true
if [ "$title" != "Rodwick DB: /home/angler/.local/share/rodwick/EXAMPLE.RWK" ]; then
    echo "    no main window on the user's copy (title \"$title\"); program output:"
    sed 's/^/      /' /tmp/program.log
    exit 1
fi
echo "    main window: $title"
[ -n "$charts" ] || { echo "    the charts module was not loaded"; exit 1; }
echo "    charts module: $charts"
INSIDE
note "PASS: the DEB installs in a fresh Debian 12 and starts for an ordinary user"
