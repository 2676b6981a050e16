#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Cardisto and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCARDISTO_TESTS=OFF
cmake --build build-release -j"$(nproc)"
sample=build-release/bin/Samples/Team-Contacts.vcf
echo "== cardisto-cli convert --fields names,emails,phones $sample"
build-release/bin/cardisto-cli convert --fields names,emails,phones "$sample" | tr -d '\r'
echo
echo "== cardisto-cli convert $sample   (All Fields)"
build-release/bin/cardisto-cli convert "$sample" | tr -d '\r'
echo
