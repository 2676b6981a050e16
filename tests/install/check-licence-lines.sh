#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names the project's licence in one of its first lines.
# Usage: check-licence-lines.sh SOURCE_DIR
set -euo pipefail
cd "$1"
missing=()
while IFS= read -r -d '' file; do
    head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || missing+=("$file")
done < <(find src tests bench fuzz tools cmake resources CMakeLists.txt -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.inl' -o -name '*.cmake' -o -name 'CMakeLists.txt' \
    -o -name '*.sh' -o -name '*.py' -o -name '*.nsi' -o -name '*.nsh.in' -o -name '*.rc.in' \) -print0 | sort -z)
if [ ${#missing[@]} -gt 0 ]; then
    printf 'No "SPDX-License-Identifier: GPL-3.0-or-later" line at the top of:\n' >&2
    printf '  %s\n' "${missing[@]}" >&2
    exit 1
fi
echo "Every source file names its licence."
