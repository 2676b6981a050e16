#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds Cardisto into build-windows/ with the toolchain in the cache and puts every DLL and
# plugin the programs load beside them in build-windows/bin, so the test programs run there too.
# The two programs must build; test programs that fail to build are listed and fail the run at the end.
set -euo pipefail
source "$(dirname "$0")/common.sh"

cmake -S "$root_dir" -B "$build_dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$windows_dir/mingw-toolchain.cmake" \
    -DCARDISTO_WIN_PREFIX="$prefix_dir" \
    -DCMAKE_PREFIX_PATH="$prefix_dir" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="$host_qt_cmake_dir" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCARDISTO_BENCH=OFF \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$(command -v ccache || true)"
nice -n 19 cmake --build "$build_dir" -j"$jobs" --target cardisto cardisto-cli cardisto_samples
status=0
nice -n 19 cmake --build "$build_dir" -j"$jobs" -- -k 0 > "$build_dir/tests-build.log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    echo "Some test programs do not build for Windows (details in $build_dir/tests-build.log):"
    grep -E '^FAILED: ' "$build_dir/tests-build.log" | sed 's/^FAILED: /  /' | sort -u
fi
# The test programs run offscreen: they need Qt's offscreen platform plugin as well.
bash "$windows_dir/deploy.sh" "$build_dir/bin" platforms/qoffscreen.dll
exit "$status"
