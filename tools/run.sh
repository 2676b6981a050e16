#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine, builds Cardisto and starts the desktop program. Runs as a normal
# user (the packages are installed with sudo) or as root; builds neither tests nor benchmarks.
# Without a display the program says so and names the batch front end, cardisto-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCARDISTO_TESTS=OFF -DCARDISTO_BENCH=OFF
cmake --build build-release -j"$(nproc)"
exec build-release/bin/cardisto "$@"
