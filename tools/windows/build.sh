#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds Cardisto for 64-bit Windows on Debian 12 and makes its setup program,
# build-windows/Cardisto-<version>-setup.exe, and a portable build-windows/Cardisto-<version>-win64.zip.
# The Windows toolchain (Qt and libxlsxwriter) is built once into $CARDISTO_WIN_CACHE
# (default ~/.cache/cardisto-windows) and rebuilt only when its recipe changes.
# Usage: build.sh [--toolchain-only | --configure-only]
#   --toolchain-only  build the cache and stop (takes most of an hour on two cores)
#   --configure-only  configure Qt in the cache and stop (a quick check of the recipe)
set -euo pipefail
source "$(dirname "$0")/common.sh"
mode=${1:-all}
case $mode in
    all | --toolchain-only | --configure-only) ;;
    *) echo "usage: $0 [--toolchain-only | --configure-only]" >&2; exit 2 ;;
esac

install_packages() {
    need_packages g++-mingw-w64-x86-64-posix wine64 libz-mingw-w64-dev libwine-dev dpkg-dev zip nsis \
        cmake ninja-build pkg-config perl qt6-base-dev qt6-base-dev-tools
    need_deb_src
}

# The recipe: the files that say how the toolchain is built, and the Debian packages it is built from.
recipe_hash() {
    {
        cat "$windows_dir/toolchain.sh" "$windows_dir/mingw-toolchain.cmake" "$windows_dir/wintab-shim.h"
        dpkg-query -W g++-mingw-w64-x86-64-posix qt6-base-dev libwine-dev libz-mingw-w64-dev
    } | sha256sum | cut -d' ' -f1
}

timed "packages" install_packages
export CARDISTO_WIN_RECIPE
CARDISTO_WIN_RECIPE=$(recipe_hash)
if [ "$mode" = --configure-only ]; then
    bash "$windows_dir/toolchain.sh" --configure-only
    exit 0
fi
if [ "$(cat "$prefix_dir/recipe" 2>/dev/null)" = "$CARDISTO_WIN_RECIPE" ]; then
    echo "== toolchain: reusing $prefix_dir"
else
    timed "toolchain" bash "$windows_dir/toolchain.sh"
fi
[ "$mode" = --toolchain-only ] && exit 0

# The zip and the setup program are made even when some test programs do not build; the exit status
# still reports them.
status=0
timed "Cardisto build" bash "$windows_dir/build-cardisto.sh" || status=$?
[ -f "$build_dir/bin/cardisto.exe" ] && [ -f "$build_dir/bin/cardisto-cli.exe" ] || exit 1
timed "zip" bash "$windows_dir/package.sh"
timed "setup program" bash "$windows_dir/installer.sh"
exit "$status"
