#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows libraries Cardisto links into the cache folder: Qt 6 (Core, Gui, Widgets, Test,
# Concurrent) and libxlsxwriter, both from Debian's own sources, cross-compiled with MinGW-w64.
# build.sh calls this only when the cache is missing or was made by another version of this recipe.
# An interrupted run resumes: the Qt build folder is kept while the recipe stays the same.
# Usage: toolchain.sh [--configure-only]
set -euo pipefail
source "$(dirname "$0")/common.sh"
configure_only=0
[ "${1:-}" = --configure-only ] && configure_only=1

recipe=${CARDISTO_WIN_RECIPE:?build.sh sets the recipe hash}
src_dir=$cache_dir/src
work_dir=$cache_dir/build
mkdir -p "$src_dir" "$work_dir"

# A build folder left by another recipe is thrown away; one left by this recipe is resumed.
if [ "$(cat "$work_dir/recipe" 2>/dev/null)" != "$recipe" ]; then
    rm -rf "$work_dir" "$src_dir"/qtbase "$src_dir"/libxlsxwriter "$prefix_dir"
    mkdir -p "$work_dir"
    echo "$recipe" > "$work_dir/recipe"
fi

unpack_source() { # package folder
    local package=$1 folder=$2
    [ -d "$src_dir/$folder" ] && return 0
    (cd "$src_dir" && ls "$package"_*.dsc > /dev/null 2>&1 || apt-get source --download-only "$package")
    (cd "$src_dir" && dpkg-source -x "$(ls "$package"_*.dsc | tail -n 1)" "$folder.tmp" && mv "$folder.tmp" "$folder")
}

prepare_qt_source() {
    unpack_source qt6-base qtbase
    # Debian drops the Wacom headers; Wine's LGPL ones plus a shim take their place.
    local wintab=$src_dir/qtbase/src/3rdparty/wintab
    mkdir -p "$wintab"
    cp /usr/include/wine/wine/windows/wintab.h "$wintab/wine-wintab.h"
    cp /usr/include/wine/wine/windows/pktdef.h "$wintab/pktdef.h"
    cp "$windows_dir/wintab-shim.h" "$wintab/wintab.h"
}

configure_qt() {
    [ -f "$work_dir/qtbase/build.ninja" ] && [ "$configure_only" -eq 0 ] && return 0
    cmake -S "$src_dir/qtbase" -B "$work_dir/qtbase" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$windows_dir/mingw-toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix_dir" \
        -DBUILD_SHARED_LIBS=ON \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR="$host_qt_cmake_dir" \
        -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DBUILD_WITH_PCH=OFF \
        -DINPUT_opengl=no -DFEATURE_opengl_dynamic=OFF \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_printsupport=OFF -DFEATURE_vulkan=OFF \
        -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_glib=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF
}

build_qt() {
    nice -n 19 cmake --build "$work_dir/qtbase" -j"$jobs"
    cmake --install "$work_dir/qtbase"
}

# libxlsxwriter as a DLL with zlib linked in, so the zip carries one file for both.
build_xlsxwriter() {
    unpack_source libxlsxwriter libxlsxwriter
    cmake -S "$src_dir/libxlsxwriter" -B "$work_dir/libxlsxwriter" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$windows_dir/mingw-toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix_dir" \
        -DBUILD_SHARED_LIBS=ON \
        -DZLIB_INCLUDE_DIR=/usr/$mingw_triple/include \
        -DZLIB_LIBRARY=/usr/$mingw_triple/lib/libz.a
    nice -n 19 cmake --build "$work_dir/libxlsxwriter" -j"$jobs"
    cmake --install "$work_dir/libxlsxwriter"
}

timed "Qt source" prepare_qt_source
timed "Qt configure" configure_qt
[ "$configure_only" -eq 1 ] && exit 0
timed "libxlsxwriter" build_xlsxwriter
timed "Qt build" build_qt
echo "$recipe" > "$prefix_dir/recipe"
du -sh "$prefix_dir"
