#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build needs that are not there yet.
# Usage: scripts/deps.sh [run|test|coverage]
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev fonts-liberation)
# Photos: their metadata through Exiv2, HEIC through libheif (Debian's Qt has no HEIF plugin),
# WebP and TIFF through Qt's extra image format plugins.
packages+=(libexiv2-dev libheif-dev qt6-image-formats-plugins)
# Translations: lupdate and lrelease with their CMake functions, and Qt's own translations.
packages+=(qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
if [[ "${1:-run}" == test || "${1:-run}" == coverage ]]; then
    packages+=(libgtest-dev libbenchmark-dev libxcb1-dev xvfb xauth xdotool python3)
    # The desktop entry, metainfo and MIME type checked by their own validators.
    packages+=(desktop-file-utils appstream shared-mime-info)
    # Printing through CUPS to a PDF and reading it back; the clipboard from outside.
    packages+=(cups printer-driver-cups-pdf poppler-utils xclip)
    # The main window read over AT-SPI, as a screen reader does, in a D-Bus session of its own.
    packages+=(dbus-daemon at-spi2-core python3-pyatspi)
    # The fuzz targets: clang and its libFuzzer runtime.
    packages+=(clang libclang-rt-14-dev)
    # A log book sent through a real spreadsheet program and back.
    packages+=(libreoffice-calc-nogui)
    # The Debian package checked by lintian, its manual page formatted by man.
    packages+=(lintian man-db)
    # One log book on two machines: two Syncthing daemons on 127.0.0.1, driven over REST.
    packages+=(syncthing curl jq iproute2)
    # The formatting and naming checks.
    packages+=(clang-format clang-tidy)
fi
if [[ "${1:-run}" == coverage ]]; then
    # Line and branch coverage of the tests (scripts/coverage.sh).
    packages+=(gcovr)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
