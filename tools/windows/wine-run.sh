#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine: the cross build's CMAKE_CROSSCOMPILING_EMULATOR, so ctest runs
# the test programs through it, and test.sh's way to start cardisto.exe and cardisto-cli.exe.
# Usage: wine-run.sh PROGRAM.exe [ARGUMENT...]
set -euo pipefail
export WINEPREFIX=${WINEPREFIX:-${CARDISTO_WIN_CACHE:-$HOME/.cache/cardisto-windows}/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko download prompt when a prefix is first made.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Without a console QTest and qDebug write nowhere; this sends them to standard error.
export QT_FORCE_STDERR_LOGGING=${QT_FORCE_STDERR_LOGGING:-1}
# Wine hides every QT_* variable from Windows programs; it passes WINEQT_* on under the QT_* name.
for name in $(compgen -e); do
    case $name in
        QT_*) export "WINE$name=${!name}" ;;
    esac
done
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
exec "$wine" "$@"
