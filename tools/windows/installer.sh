#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the setup program build-windows/Cardisto-<version>-setup.exe with NSIS (tools/windows/installer.nsi)
# from the folder package.sh packs into the zip, less its README.txt, which speaks of unzipping.
set -euo pipefail
source "$(dirname "$0")/common.sh"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
stage=$build_dir/package/Cardisto-$version-win64
work=$build_dir/installer
setup=$build_dir/Cardisto-$version-setup.exe
[ -d "$stage" ] || { echo "No $stage: run package.sh first." >&2; exit 1; }
rm -rf "$work" "$setup"
mkdir -p "$work"

# An NSIS string read when the program runs: $ stands for itself only doubled (File takes its paths as they are).
nsis_text() { echo "${1//\$/\$\$}"; }
# Windows' form of a path below the installation folder.
below_instdir() { echo "\$INSTDIR${1:+\\$(nsis_text "${1//\//\\}")}"; }

# What the setup program installs, folder by folder, and what its uninstaller removes: the same
# files, then the folders, deepest first (each only when empty).
mapfile -t folders < <(cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | sort)
mapfile -t files < <(cd "$stage" && find . -type f ! -path ./README.txt | sed 's|^\./||' | sort)
{
    echo '!macro CardistoInstallFiles'
    for folder in "" "${folders[@]}"; do
        echo "    SetOutPath \"$(below_instdir "$folder")\""
        for file in "${files[@]}"; do
            [ "$(dirname "$file" | sed 's|^\.$||')" = "$folder" ] && echo "    File \"$stage/$file\""
        done
    done
    echo '!macroend'
    echo '!macro CardistoRemoveFiles'
    for file in "${files[@]}"; do
        echo "    Delete \"$(below_instdir "$file")\""
    done
    for ((i = ${#folders[@]} - 1; i >= 0; i--)); do
        echo "    RMDir \"$(below_instdir "${folders[i]}")\""
    done
    echo '!macroend'
} > "$work/installer-files.nsh"

makensis -V2 -DCARDISTO_FACTS="$build_dir/installer-facts.nsh" -DCARDISTO_FILES="$work/installer-files.nsh" \
    -DCARDISTO_OUTFILE="$setup" "$windows_dir/installer.nsi"
echo "== setup program: $setup, $(du -k "$setup" | cut -f1) KB"
