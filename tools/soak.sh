#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A long soak of the windows: N random user actions (default 100000) on the real main window and
# its tool windows, offscreen, with the rules of tests/soak/WindowSoak.h checked after each. The
# seed is random unless given, printed first, and a failure prints how to replay it.
# Usage: soak.sh [N] [SEED]    (CARDISTO_SOAK_BUILD: the build folder, default build)
set -euo pipefail
cd "$(dirname "$0")/.."
actions=${1:-100000}
seed=${2:-$(( (RANDOM << 15 | RANDOM) ))}
build=${CARDISTO_SOAK_BUILD:-build}
cmake --build "$build" --target TestWindowSoak

# As ctest runs the tests: offscreen, UTF-8, and every folder of the user's in a scratch folder.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
echo "soak: $actions actions, seed $seed"
start=$SECONDS
status=0
export QTEST_FUNCTION_TIMEOUT=2000000000 # the soak is one test function; QtTest gives one five minutes
env QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_LOGGING_RULES='qt.qpa.*=false' \
    HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" XDG_CACHE_HOME="$scratch/cache" \
    XDG_RUNTIME_DIR="$scratch/runtime" CARDISTO_SOAK_SEED="$seed" CARDISTO_SOAK_ACTIONS="$actions" \
    "$build/bin/TestWindowSoak" || status=$?
echo "soak: $actions actions, seed $seed, $((SECONDS - start)) s, $([ "$status" -eq 0 ] && echo passed || echo FAILED)"
exit "$status"
