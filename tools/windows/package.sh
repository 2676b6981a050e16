#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs build-windows/Cardisto-<version>-win64.zip: unzip anywhere and run, nothing else to install.
set -euo pipefail
source "$(dirname "$0")/common.sh"
bin=$build_dir/bin
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
name=Cardisto-$version-win64
stage=$build_dir/package/$name
rm -rf "$build_dir/package" "$build_dir/$name.zip"
mkdir -p "$stage"

cp "$bin/cardisto.exe" "$bin/cardisto-cli.exe" "$bin/HAND-M.CUR" "$bin/drag.ico" "$stage/"
cp -r "$bin/Samples" "$stage/"
# Only the DLLs and plugins the two programs load, not the test programs' (Qt6Test.dll).
bash "$windows_dir/deploy.sh" "$stage"
for licence in LICENSE LICENSE.txt LICENSE.md COPYING; do
    [ -f "$root_dir/$licence" ] && cp "$root_dir/$licence" "$stage/LICENSE.txt" && break
done
sed "s/@VERSION@/$version/g" "$windows_dir/README.txt.in" | sed 's/$/\r/' > "$stage/README.txt"

(cd "$build_dir/package" && zip -q -r -9 "$build_dir/$name.zip" "$name")
echo "== zip: $build_dir/$name.zip, $(du -k "$build_dir/$name.zip" | cut -f1) KB packed"
(cd "$stage" && find . -type f | sort)
