#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt Core, Gui, Widgets and Test with ThreadSanitizer from Debian's own qt6-base source into
# the cache folder, with the offscreen platform plugin the window tests use. An uninstrumented Qt
# hides its reference counts and locks from the sanitizer, so every QString handed between threads
# would be reported. tsan.sh calls this only when the cache was made by another recipe; an
# interrupted run resumes while the recipe stays the same.
set -euo pipefail
cache_dir=${CARDISTO_TSAN_CACHE:-$HOME/.cache/cardisto-tsan}
recipe=${CARDISTO_TSAN_RECIPE:?tsan.sh sets the recipe hash}
jobs=${CARDISTO_TSAN_JOBS:-2}
src_dir=$cache_dir/src
work_dir=$cache_dir/build
prefix_dir=$cache_dir/prefix
mkdir -p "$src_dir" "$work_dir"

if [ "$(cat "$work_dir/recipe" 2>/dev/null)" != "$recipe" ]; then
    rm -rf "$work_dir" "$src_dir/qtbase" "$prefix_dir"
    mkdir -p "$work_dir"
    echo "$recipe" > "$work_dir/recipe"
fi

if [ ! -d "$src_dir/qtbase" ]; then
    (cd "$src_dir" && { ls qt6-base_*.dsc > /dev/null 2>&1 || apt-get source --download-only qt6-base; })
    (cd "$src_dir" && rm -rf qtbase.tmp && dpkg-source -x "$(ls qt6-base_*.dsc | tail -n 1)" qtbase.tmp > /dev/null &&
        mv qtbase.tmp qtbase)
fi

# Only what the tests use: no network, SQL, D-Bus, OpenGL or X11 (the X11 test needs the xcb plugin
# and is left out of the run). Qt's own event loop instead of GLib's, so that every lock the event
# loop takes is seen. ICU stays, as in Debian's build: the decoding of Shift_JIS and other code pages
# goes through it. The build tools (moc, rcc, uic) are Debian's own of the same version, taken as a
# cross build takes its host's: they run no code of the tests and need not be built again.
# -O1 -g1: what ThreadSanitizer advises, with line numbers in the reports. QProcess starts programs
# with a plain fork instead of a vfork-like clone, which the sanitizer cannot follow (the child
# would run on the parent's memory and the sanitizer's state).
if [ ! -f "$work_dir/qtbase/build.ninja" ]; then
    cmake -S "$src_dir/qtbase" -B "$work_dir/qtbase" -G Ninja \
        -DCMAKE_SYSTEM_NAME=Linux -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_C_FLAGS_RELEASE="-O1 -g1 -DNDEBUG" -DCMAKE_CXX_FLAGS_RELEASE="-O1 -g1 -DNDEBUG" \
        -DCMAKE_INSTALL_PREFIX="$prefix_dir" \
        -DFEATURE_sanitize_thread=ON \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no \
        -DFEATURE_vulkan=OFF -DFEATURE_xcb=OFF -DFEATURE_xlib=OFF -DFEATURE_eglfs=OFF -DFEATURE_linuxfb=OFF \
        -DFEATURE_vnc=OFF -DFEATURE_libinput=OFF -DFEATURE_evdev=OFF -DFEATURE_tslib=OFF \
        -DFEATURE_glib=OFF -DFEATURE_icu=ON -DFEATURE_forkfd_pidfd=OFF
fi
nice -n 19 cmake --build "$work_dir/qtbase" -j"$jobs"
cmake --install "$work_dir/qtbase" > /dev/null
echo "$recipe" > "$prefix_dir/recipe"
du -sh "$prefix_dir"
