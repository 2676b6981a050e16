#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copies into a folder of Windows programs every DLL they load that Windows itself does not ship:
# Qt's, the MinGW runtime's and libxlsxwriter's, found by following each DLL's import table, plus the
# Qt plugins the desktop program loads (platform, style, the icon reader for the pointer files).
# Usage: deploy.sh FOLDER [PLUGIN...]   (more plugins, such as platforms/qoffscreen.dll for the tests)
set -euo pipefail
source "$(dirname "$0")/common.sh"
folder=$1
shift
plugins=(platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qico.dll "$@")
search=("$prefix_dir/bin" "$mingw_gcc_dir" "/usr/$mingw_triple/lib" "/usr/$mingw_triple/bin")

find_dll() {
    local dir
    for dir in "${search[@]}"; do
        [ -f "$dir/$1" ] && { echo "$dir/$1"; return 0; }
    done
    return 1
}

imports() {
    "$mingw_triple-objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p'
}

for plugin in "${plugins[@]}"; do
    mkdir -p "$folder/$(dirname "$plugin")"
    cp -u "$prefix_dir/plugins/$plugin" "$folder/$plugin"
done
# Breadth first over the import tables; names not found are Windows' own DLLs.
queue=("$folder"/*.exe)
for plugin in "${plugins[@]}"; do queue+=("$folder/$plugin"); done
declare -A seen=()
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r name; do
        key=${name,,}
        [ -n "${seen[$key]:-}" ] && continue
        seen[$key]=1
        if source_dll=$(find_dll "$name"); then
            cp -u "$source_dll" "$folder/$name"
            queue+=("$folder/$name")
        fi
    done < <(imports "$file" | tr -d '\r')
done
