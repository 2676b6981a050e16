#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building, running and testing Cardisto need: desktop-file-utils
# and appstream validate the installed desktop entry and metadata, lintian the Debian package (which
# needs dpkg-dev and file to work out its dependencies); xvfb, x11-utils and openbox run the window
# test on a real X server. More packages can be named.
# Skips apt entirely when everything is already there.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libxlsxwriter-dev zlib1g-dev python3-openpyxl
    desktop-file-utils appstream lintian dpkg-dev file xvfb x11-utils openbox "$@")
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
