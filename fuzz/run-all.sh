#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target for the given number of seconds each (default 600), seeded from
# fuzz/seeds and, for the conversion and the contacts, from the shared real-world vCard corpus.
#   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCARDISTO_FUZZ=ON -DCARDISTO_GUI=OFF
#   cmake --build build-fuzz && bash fuzz/run-all.sh 600
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
work=${FUZZ_WORK:-fuzz-out}
mkdir -p "$work"

# The conversion target takes a mode byte in front of the file: seed both modes.
seeds="$work/seeds-conversion"
mkdir -p "$seeds"
if [ -d ../shared/corpus/vcards ]; then
    while IFS= read -r -d '' file; do
        name=$(echo "${file#../shared/corpus/vcards/}" | tr '/.' '__')
        { printf '\x00'; cat "$file"; } > "$seeds/all_$name"
        { printf '\x1f'; cat "$file"; } > "$seeds/some_$name"
        { printf '\x20'; cat "$file"; } > "$seeds/all_decoded_$name"
        { printf '\x3f'; cat "$file"; } > "$seeds/some_decoded_$name"
    done < <(find ../shared/corpus/vcards -name '*.vcf' -print0)
fi
{ printf '\x00'; cat samples/*.vcf; } > "$seeds/all_samples"

for target in FuzzConversion FuzzContactReader FuzzPathList FuzzLineNumbers FuzzExtractBetween FuzzStoredItems FuzzTextSetMatcher; do
    corpus="$work/$target"
    mkdir -p "$corpus"
    extra=("fuzz/seeds/$target")
    [ "$target" = FuzzConversion ] && extra=("$seeds")
    [ "$target" = FuzzContactReader ] && extra=(../shared/corpus/vcards)
    [ -d "${extra[0]}" ] || extra=()
    echo "== $target for $seconds s"
    build-fuzz/bin/$target -max_total_time="$seconds" -print_final_stats=1 "$corpus" "${extra[@]}" 2>&1 |
        grep -E "^(Done|stat::average_exec_per_sec|==[0-9]+==ERROR|SUMMARY)" || true
done
