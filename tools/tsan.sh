#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every test program that can run there under ThreadSanitizer, against a Qt built with it.
# The Qt (Core, Gui, Widgets, Test and the offscreen platform plugin) is built once into
# $CARDISTO_TSAN_CACHE (default ~/.cache/cardisto-tsan) from Debian's qt6-base source and rebuilt
# only when its recipe changes; that takes a few hours on two cores, at the lowest priority.
# Usage: tsan.sh [--qt-only]
set -euo pipefail
root_dir=$(cd "$(dirname "$0")/.." && pwd)
source "$root_dir/tools/windows/common.sh" # need_packages, need_deb_src, timed
tsan_cache=${CARDISTO_TSAN_CACHE:-$HOME/.cache/cardisto-tsan}
tsan_prefix=$tsan_cache/prefix
tsan_build=$root_dir/build-tsan
jobs=${CARDISTO_TSAN_JOBS:-2}

install_packages() {
    need_packages dpkg-dev cmake ninja-build pkg-config perl g++ libtsan2 libicu-dev libfontconfig-dev \
        libfreetype-dev libpng-dev libjpeg-dev zlib1g-dev libxlsxwriter-dev qt6-base-dev
    need_deb_src
}

# The recipe: the script that builds Qt, the Debian source it builds and the compiler it builds with.
recipe_hash() {
    {
        cat "$root_dir/tools/tsan/build-qt.sh"
        dpkg-query -W qt6-base-dev g++-12 libtsan2
    } | sha256sum | cut -d' ' -f1
}

timed "packages" install_packages
export CARDISTO_TSAN_RECIPE CARDISTO_TSAN_CACHE=$tsan_cache CARDISTO_TSAN_JOBS=$jobs
CARDISTO_TSAN_RECIPE=$(recipe_hash)
if [ "$(cat "$tsan_prefix/recipe" 2>/dev/null)" = "$CARDISTO_TSAN_RECIPE" ]; then
    echo "== Qt with ThreadSanitizer: reusing $tsan_prefix"
else
    timed "Qt with ThreadSanitizer" bash "$root_dir/tools/tsan/build-qt.sh"
fi
[ "${1:-}" = --qt-only ] && exit 0

configure_cardisto() {
    cmake -S "$root_dir" -B "$tsan_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_PREFIX_PATH="$tsan_prefix" -DQT_HOST_PATH=/usr -DCARDISTO_SANITIZE_THREAD=ON -DCARDISTO_BENCH=OFF \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
}
timed "Cardisto configure" configure_cardisto
timed "Cardisto build" nice -n 10 cmake --build "$tsan_build" -j"$jobs"

# halt_on_error: a report fails its test at once; second_deadlock_stack: both lock orders in a report.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$root_dir/tools/sanitizers/tsan-suppressions.txt"
export LD_LIBRARY_PATH=$tsan_prefix/lib${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
export QT_PLUGIN_PATH=$tsan_prefix/plugins
# Left out: the X11 test, which needs the xcb platform plugin this Qt does not build.
timed "tests" ctest --test-dir "$tsan_build" --output-on-failure -j"$jobs" -E '^TestForm1UnderX11$'
