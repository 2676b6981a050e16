#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tests the Windows build made by build.sh under Wine, in a fresh Wine prefix:
#   1. the setup program: a silent install for the user and one for all users, each with its files,
#      Start-menu shortcut, registry keys and version resources, and a silent uninstall that leaves
#      nothing behind (the user's settings only unless asked to remove them);
#   2. every test program, through ctest (QT_QPA_PLATFORM=offscreen);
#   3. cardisto-cli.exe (the installed one while step 1 has it installed) against the Linux build's
#      cardisto-cli over real vCards, byte for byte;
#   4. one start of cardisto.exe under Xvfb with Qt's Windows platform plugin: docs/windows.png.
# Each step runs even when an earlier one failed; the exit status says whether all passed.
# Usage: test.sh [--no-setup] [--no-ctest] [--no-cli] [--no-screenshot]
set -euo pipefail
source "$(dirname "$0")/common.sh"
run_setup=1 run_ctest=1 run_cli=1 run_screenshot=1
for argument in "$@"; do
    case $argument in
        --no-setup) run_setup=0 ;;
        --no-ctest) run_ctest=0 ;;
        --no-cli) run_cli=0 ;;
        --no-screenshot) run_screenshot=0 ;;
        *) echo "usage: $0 [--no-setup] [--no-ctest] [--no-cli] [--no-screenshot]" >&2; exit 2 ;;
    esac
done
[ -f "$build_dir/bin/cardisto-cli.exe" ] || { echo "No Windows build: run tools/windows/build.sh first." >&2; exit 2; }
# fonts-wine: Wine's own Tahoma and MS Sans Serif; fonts-liberation2: Liberation Sans, drawn for
# Arial (the main window's font). Without them Wine draws the windows in a serif.
need_packages wine64 fonts-wine fonts-liberation2 xvfb xauth x11-apps x11-utils netpbm cmake ninja-build qt6-base-dev libxlsxwriter-dev python3

run=$windows_dir/wine-run.sh
wineserver=/usr/lib/wine/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
export WINEPREFIX=$build_dir/wineprefix
failures=()

# A fresh prefix whose user folders are real folders: Wine links Documents, Desktop and the like to
# the Unix home, where a test that cleans up its documents folder would delete the user's files.
new_prefix() {
    "$wineserver" -k 2> /dev/null || true
    rm -rf "$WINEPREFIX"
    WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= "$run" wineboot -i > /dev/null 2>&1
    "$run" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f > /dev/null 2>&1
    "$wineserver" -w
    local link
    for link in "$WINEPREFIX"/drive_c/users/*/*; do
        if [ -L "$link" ]; then
            rm "$link"
            mkdir "$link"
        fi
    done
    # Wine calls a name that begins with a dot hidden, which Windows does not; the folder scan's
    # rules for hidden files would otherwise meet attributes no Windows gives.
    "$run" reg add 'HKCU\Software\Wine' /v ShowDotFiles /d Y /f > /dev/null 2>&1
    "$wineserver" -w
}

# Wine's background services (services.exe, explorer.exe, ...) inherit the standard output of the
# program that starts them; started by ctest they keep its pipe open and ctest never ends.
# Started here, with their output going nowhere, they stay up for the whole run.
start_wine_services() {
    "$wineserver" -p > /dev/null 2>&1
    "$run" wineboot > /dev/null 2>&1 < /dev/null
}

ctest_under_wine() {
    # Qt's offscreen platform on Windows reads fonts from a folder of its own, not the system's; without
    # one it measures text with no font at all. Liberation Sans has Arial's metrics, the font the
    # windows ask for. (With the whole Liberation folder it picked Liberation Mono.)
    local fonts=$build_dir/offscreen-fonts
    mkdir -p "$fonts"
    cp /usr/share/fonts/truetype/liberation2/LiberationSans-*.ttf "$fonts/"
    QT_QPA_FONTDIR="Z:$fonts" QT_QPA_PLATFORM=offscreen ctest --test-dir "$build_dir" --output-on-failure --timeout 900 \
        > "$build_dir/ctest.log" 2>&1 || failures+=("ctest")
    grep -E "tests passed|tests failed|Total Test time" "$build_dir/ctest.log" || true
    sed -n '/The following tests FAILED/,$p' "$build_dir/ctest.log"
}

# The Linux build's cardisto-cli, built here when missing, is the reference.
linux_cli() {
    local linux_build=$root_dir/build
    [ -f "$linux_build/CMakeCache.txt" ] || cmake -S "$root_dir" -B "$linux_build" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER_LAUNCHER="$(command -v ccache || true)" > /dev/null
    nice -n 19 cmake --build "$linux_build" -j"$jobs" --target cardisto-cli > /dev/null
    echo "$linux_build/bin/cardisto-cli"
}

# cli_compare PROGRAM.exe
cli_compare() {
    local program=$1 reference corpus out set=() folder first
    reference=$(linux_cli)
    corpus=$(cd "$root_dir/../shared/corpus/vcards" && pwd)
    out=$build_dir/cli-compare
    rm -rf "$out"
    mkdir -p "$out"
    # A small set: the first file of each collection, plus the code page and UTF-16 cases.
    for folder in "$corpus"/*/; do
        first=$(cd "$folder" && ls | grep -i '\.vcf$' | sort | head -n 1)
        [ -n "$first" ] && set+=("$(basename "$folder")/$first")
    done
    set+=(folkerkinzel-vcards/German-cp1252.vcf folkerkinzel-vcards/v3Utf16Bom.vcf folkerkinzel-vcards/AnsiIssue.vcf)
    mapfile -t set < <(printf '%s\n' "${set[@]}" | awk '!seen[$0]++')

    local compared=0 differing=0
    # compare NAME FOLDER ARGUMENT...: one run of each program in FOLDER, standard input from $input
    # (nothing by default); output and exit status must match.
    local input=/dev/null
    compare() {
        local name=$1 where=$2
        shift 2
        local status=0
        (cd "$where" && "$reference" "$@") > "$out/$name.linux.out" 2> "$out/$name.linux.err" < "$input" || status=$?
        echo "$status" > "$out/$name.linux.rc"
        status=0
        (cd "$where" && "$run" "$program" "$@") > "$out/$name.windows.out" \
            2> "$out/$name.windows.err" < "$input" || status=$?
        echo "$status" > "$out/$name.windows.rc"
        compared=$((compared + 1))
        if ! cmp -s "$out/$name.linux.out" "$out/$name.windows.out" || ! cmp -s "$out/$name.linux.rc" "$out/$name.windows.rc"; then
            differing=$((differing + 1))
            if cmp -s "$out/$name.linux.out" <(sed 's/\r$//' "$out/$name.windows.out"); then
                echo "  differs: $name, only in line ends (CR added before each LF)"
            else
                echo "  differs: $name (cardisto-cli $*)"
            fi
        elif ! cmp -s "$out/$name.linux.err" "$out/$name.windows.err"; then
            echo "  same output, other messages: $name"
        fi
    }
    local fields mode
    for fields in all emails,phones,names; do
        mode=${fields%%,*}
        compare "all-lines-$mode" "$corpus" extract --fields "$fields" --all-lines "${set[@]}"
        compare "containing-$mode" "$corpus" extract --fields "$fields" --containing "@" "${set[@]}"
        compare "not-containing-$mode" "$corpus" extract --fields "$fields" --not-containing "@" "${set[@]}"
        compare "line-numbers-$mode" "$corpus" extract --fields "$fields" --line-numbers 1,2,5 "${set[@]}"
        compare "between-$mode" "$corpus" extract --fields "$fields" --between --start "@" --end "." "${set[@]}"
        compare "text-set-$mode" "$corpus" extract --fields "$fields" --dedupe --text-set john --text-set "+1" "${set[@]}"
        local file
        for file in "${set[@]}"; do
            compare "convert-$mode-$(basename "$file" .vcf)" "$corpus/$(dirname "$file")" convert --fields "$fields" "$(basename "$file")"
        done
    done
    # Bare names keep the source column free of separators, which differ between the systems.
    compare "source-column" "$corpus/ez-vcard" extract --source --all-lines outlook-2003.vcf outlook-2007.vcf
    compare "whole-corpus" "$corpus" extract --all-lines .
    # Quoted-printable values in Shift_JIS, windows-1253 and US-ASCII, read by their CHARSET.
    compare "decode-charsets" "$corpus" extract --decode --all-lines aosp-vcard/v21_japanese_2.vcf \
        folkerkinzel-vcards/Greek-cp1253.vcf ez-vcard/outlook-2007.vcf
    # Standard input: a vCard with CR LF line ends, and a list of files.
    input=$corpus/${set[0]}
    compare "stdin-convert" "$corpus" convert -
    compare "stdin-extract" "$corpus" extract --all-lines -
    input=$out/list.txt
    printf '%s\r\n' "${set[@]:0:3}" > "$input"
    compare "stdin-list-file" "$corpus" extract --all-lines --list-file -
    input=/dev/null
    # A reader that stops after the first line (| head): the output ends quietly, status 0.
    closed_pipe() {
        local system=$1
        shift
        (cd "$corpus" && set +e +o pipefail &&
            "$@" extract --all-lines . 2> "$out/closed-pipe.$system.err" < /dev/null | head -n 1 > /dev/null
            echo "${PIPESTATUS[0]}") > "$out/closed-pipe.$system.rc"
    }
    closed_pipe linux "$reference"
    closed_pipe windows "$run" "$program"
    compared=$((compared + 1))
    if ! cmp -s "$out/closed-pipe.linux.rc" "$out/closed-pipe.windows.rc" ||
        ! cmp -s "$out/closed-pipe.linux.err" "$out/closed-pipe.windows.err"; then
        differing=$((differing + 1))
        echo "  differs: closed-pipe (cardisto-cli extract --all-lines . | head -n 1: status or messages)"
    fi
    echo "cardisto-cli: $compared runs compared, $differing differ (outputs in $out)"
    [ "$differing" -eq 0 ] || failures+=("cli")
}

source "$windows_dir/test-setup.sh"

screenshot() {
    local display=:97 xvfb_pid program_pid
    Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp > /dev/null 2>&1 &
    xvfb_pid=$!
    sleep 2
    # Wine's desktop takes its size from the display its services were started on: started
    # without one (for ctest) it stays 1024x768, and the main window would be squeezed into that.
    "$wineserver" -k 2> /dev/null || true
    DISPLAY=$display start_wine_services
    # QT_QPA_PLATFORM is cleared so that Qt picks its Windows platform plugin, drawn through Wine.
    # The sample files from a folder that reads like a user's, to show Windows paths in the list.
    rm -rf "$WINEPREFIX/drive_c/Contacts"
    cp -r "$build_dir/bin/Samples" "$WINEPREFIX/drive_c/Contacts"
    (cd "$build_dir/bin" && env -u QT_QPA_PLATFORM DISPLAY="$display" "$run" cardisto.exe 'C:\Contacts' > "$build_dir/screenshot.log" 2>&1) &
    program_pid=$!
    # Without a window manager each top-level window is an X window of class cardisto.exe; the
    # largest one is the main window.
    main_window() {
        DISPLAY=$display xwininfo -root -tree 2> /dev/null | grep '("cardisto.exe"' |
            awk '{ split($0, a, ")  "); split(a[2], size, "[x+]"); if (size[1] * size[2] > best) { best = size[1] * size[2]; id = $1 } }
                 END { if (best > 40000) print id }'
    }
    local waited=0 window=""
    until window=$(main_window) && [ -n "$window" ]; do
        sleep 2
        waited=$((waited + 2))
        [ "$waited" -lt 120 ] || break
    done
    if [ -n "$window" ]; then
        sleep 5 # the first paint
        # Wine may have replaced the window it first showed (at another size) by now.
        window=$(main_window)
        xwd -id "$window" -display "$display" -silent | xwdtopnm 2> /dev/null | pnmtopng > "$root_dir/docs/windows.png"
        echo "screenshot: docs/windows.png, the main window seen after ${waited} s"
    else
        echo "screenshot: no Cardisto window within ${waited} s (log: $build_dir/screenshot.log)"
        failures+=("screenshot")
    fi
    "$wineserver" -k 2> /dev/null || true
    wait "$program_pid" 2> /dev/null || true
    kill "$xvfb_pid" 2> /dev/null || true
    wait "$xvfb_pid" 2> /dev/null || true
}

timed "fresh Wine prefix" new_prefix
[ "$run_setup" -eq 1 ] && timed "setup program" setup_check
start_wine_services
[ "$run_ctest" -eq 1 ] && timed "test programs under Wine" ctest_under_wine
# With the setup program's step, the installed cardisto-cli.exe (the same bytes) was compared there.
[ "$run_cli" -eq 1 ] && [ "$run_setup" -eq 0 ] && timed "cardisto-cli against Linux" cli_compare "$build_dir/bin/cardisto-cli.exe"
[ "$run_screenshot" -eq 1 ] && timed "screenshot" screenshot
"$wineserver" -k 2> /dev/null || true
if [ ${#failures[@]} -gt 0 ]; then
    echo "FAILED: ${failures[*]}"
    exit 1
fi
echo "All Windows tests passed."
