#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Photographs the whole 1920x1080 screen with the program at 150 % scaling on its first start, as a
# user with a fresh account sees it (Xvfb, openbox). Needs xvfb, openbox and imagemagick.
#   bash tools/screenshot-150.sh [build/bin/cardisto] [docs/main-window-150.png]
set -euo pipefail
program=${1:-build/bin/cardisto}
output=${2:-docs/main-window-150.png}
home=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$home"' EXIT

exec 3< <(Xvfb -displayfd 1 -screen 0 1920x1080x24 -nolisten tcp 2>/dev/null)
read -r -t 10 number <&3
export DISPLAY=:$number
openbox --sm-disable >/dev/null 2>&1 &
sleep 1
HOME=$home XDG_CONFIG_HOME=$home/config QT_SCALE_FACTOR=1.5 "$program" >/dev/null 2>&1 &
for _ in $(seq 50); do
    xdotool search --name '^Cardisto$' >/dev/null 2>&1 && break
    sleep 0.2
done
sleep 1
import -window root "$output"
echo "$output"
