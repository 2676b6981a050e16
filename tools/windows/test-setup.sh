# SPDX-License-Identifier: GPL-3.0-or-later
# The setup program's step of test.sh (sourced there): in the fresh prefix, a silent install for the
# current user and then one for all users (Wine's user is an administrator). Each must put the zip's
# files, the uninstaller, a Start-menu shortcut and the keys of "Open with" and Apps & features in
# place, without taking .vcf files over from the program that has them; the programs must state
# their version; a silent uninstall run as Apps & features would run it must leave no file and no
# key behind. The first keeps the user's settings, the second is asked to remove them.

# Every file and folder of the prefix's C: drive but the temporary folders (where the uninstaller
# runs from a copy of itself, which Windows removes at the next start).
drive_files() {
    (cd "$WINEPREFIX/drive_c" && find . | grep -vE '^\./(users/[^/]+/(AppData/Local/)?Temp|windows/temp)(/|$)' | sort)
}

# The registry as Wine writes it to the prefix: every key, without its time stamps. Wine itself
# may add the empty 32-bit Run key while programs run under it (it appeared during the round for
# the user, which also runs cardisto-cli); the setup program writes no Run key, so it is left out.
registry_keys() {
    grep -h '^\[' "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg" | sed 's/\] [0-9]*$/]/' |
        grep -vxF '[Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run]' | sort
}

# reg_value FILE KEY NAME: the value NAME (@ for the default) of KEY in the prefix's user.reg
# (HKEY_CURRENT_USER) or system.reg (HKEY_LOCAL_MACHINE), as the file writes it; empty when missing.
reg_value() {
    local key="[${2//\\/\\\\}] " name=$3
    [ "$name" = @ ] || name="\"$name\""
    # Through the environment: awk -v would read the backslashes as escapes.
    key=$key name="$name=" awk '
        BEGIN { key = ENVIRON["key"]; name = ENVIRON["name"] }
        /^\[/ { inside = substr($0, 1, length(key)) == key; next }
        inside && substr($0, 1, length(name)) == name { print substr($0, length(name) + 1); exit }' "$WINEPREFIX/$1"
}

# A registry file's string: without its quotes, each \\ and \" one character again.
reg_text() {
    sed -e 's/^"//' -e 's/"$//' -e 's/\\\\/\x01/g' -e 's/\\"/"/g' -e 's/\x01/\\/g' <<<"$1"
}

# The Unix path of a C: path.
unix_path() {
    local path=${1#[Cc]:\\}
    echo "$WINEPREFIX/drive_c/${path//\\//}"
}

# check_file_texts PROGRAM.exe DESCRIPTION: what Properties, Details shows of a program.
check_file_texts() {
    local texts expected
    texts=$(python3 "$windows_dir/version-info.py" "$1")
    for expected in "ProductName=Cardisto" "FileDescription=$2" "FileVersion=$version" "ProductVersion=$version" \
        "FixedFileVersion=$version.0" "CompanyName=Corvane" "IconSizes=16,24,32,48,64,128,256"; do
        grep -qxF "$expected" <<<"$texts" || setup_fail "$(basename "$1"): no $expected in its resources"
    done
    grep -qE '^LegalCopyright=Copyright \(C\) [0-9]{4} Corvane\. Licence: GNU General Public License' <<<"$texts" ||
        setup_fail "$(basename "$1"): no copyright and licence in its resources"
}

setup_fail() {
    echo "  setup program: $*"
    setup_failed=1
}

# setup_round KIND HIVE_FILE FOLDER_PATTERN SHORTCUT_FOLDER [INSTALL_OPTION] -- [UNINSTALL_OPTION]
setup_round() {
    local kind=$1 hive=$2 pattern=$3 menu=$4
    shift 4
    local install_options=() uninstall_options=()
    while [ "$1" != -- ]; do install_options+=("$1"); shift; done
    shift
    uninstall_options=("$@")
    local uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Cardisto'
    local classes='Software\Classes' before files_before folder folder_unix value

    before=$(registry_keys)
    files_before=$(drive_files)
    "$run" "$setup" /S "${install_options[@]}" || setup_fail "$kind: the install ended with status $?"
    "$wineserver" -w
    folder=$(reg_text "$(reg_value "$hive" "$uninstall_key" InstallLocation)")
    # shellcheck disable=SC2053 # the pattern is a pattern, its backslashes made plain characters
    [[ $folder == ${pattern//\\/\\\\} ]] || setup_fail "$kind: installed in '$folder', not $pattern"
    folder_unix=$(unix_path "$folder")
    echo "  $kind: installed in $folder"

    diff -r -x README.txt -x uninstall.exe "$stage" "$folder_unix" > /dev/null ||
        setup_fail "$kind: the installed files are not the zip's"
    [ -f "$folder_unix/uninstall.exe" ] || setup_fail "$kind: no uninstall.exe"
    grep -qaF "$folder\\cardisto.exe" "$menu/Cardisto.lnk" 2> /dev/null ||
        setup_fail "$kind: no Start-menu shortcut to cardisto.exe in $menu"
    check_file_texts "$folder_unix/cardisto.exe" "Cardisto"
    check_file_texts "$folder_unix/cardisto-cli.exe" "Cardisto batch front end"

    local escaped=${folder//\\/\\\\}
    local expected=(
        "$uninstall_key|DisplayName|\"Cardisto\""
        "$uninstall_key|DisplayVersion|\"$version\""
        "$uninstall_key|Publisher|\"Corvane\""
        "$uninstall_key|DisplayIcon|\"$escaped\\\\cardisto.exe,0\""
        "$uninstall_key|UninstallString|\"\\\"$escaped\\\\uninstall.exe\\\"\""
        "$classes\\.vcf\\OpenWithProgids|Cardisto.vcf|hex(0):"
        "$classes\\Cardisto.vcf\\shell\\open\\command|@|\"\\\"$escaped\\\\cardisto.exe\\\" \\\"%1\\\"\""
        "$classes\\Applications\\cardisto.exe\\shell\\open\\command|@|\"\\\"$escaped\\\\cardisto.exe\\\" \\\"%1\\\"\""
        "$classes\\Applications\\cardisto.exe\\SupportedTypes|.vcf|\"\""
    )
    local entry key name
    for entry in "${expected[@]}"; do
        IFS='|' read -r key name value <<<"$entry"
        [ "$(reg_value "$hive" "$key" "$name")" = "$value" ] ||
            setup_fail "$kind: $key \"$name\" is '$(reg_value "$hive" "$key" "$name")', not '$value'"
    done
    # The size in KB, within a tenth of what the files hold.
    value=$(reg_value "$hive" "$uninstall_key" EstimatedSize)
    local size
    size=$(du -sk --apparent-size "$folder_unix" | cut -f1)
    [[ $value =~ ^dword:([0-9a-f]{8})$ ]] && [ $((16#${BASH_REMATCH[1]} * 10)) -ge $((size * 9)) ] &&
        [ $((16#${BASH_REMATCH[1]} * 10)) -le $((size * 11)) ] ||
        setup_fail "$kind: EstimatedSize is '$value', not the size in KB ($size)"
    [ "$(reg_value "$hive" "$classes\\.vcf" @)" = "$vcf_default" ] || setup_fail "$kind: .vcf files were taken over"

    if [ "$kind" = "for the user" ] && [ "$run_cli" -eq 1 ]; then
        start_wine_services
        timed "cardisto-cli (installed) against Linux" cli_compare "$folder_unix/cardisto-cli.exe"
        "$wineserver" -k 2> /dev/null || true
    fi

    # The program's settings, as it writes them.
    "$run" reg add 'HKCU\Software\Corvane\Cardisto\Cardisto' /v "Visit Website" /d False /f > /dev/null 2>&1
    local quiet command_line arguments left
    quiet=$(reg_text "$(reg_value "$hive" "$uninstall_key" QuietUninstallString)")
    command_line=${quiet#\"}
    read -ra arguments <<<"${command_line#*\" }"
    "$run" "${command_line%%\"*}" "${arguments[@]}" "${uninstall_options[@]}" ||
        setup_fail "$kind: the uninstall ended with status $?"
    "$wineserver" -w # the uninstaller goes on in a copy of itself
    left=$(diff <(echo "$files_before") <(drive_files) | grep '^>' || true)
    [ -z "$left" ] || setup_fail "$kind: files left behind: $left"
    left=$(diff <(echo "$before") <(registry_keys) | grep '^>' || true)
    if [ ${#uninstall_options[@]} -eq 0 ]; then
        [ "$left" = '> [Software\\Corvane\\Cardisto\\Cardisto]' ] || setup_fail "$kind: the keys left are not the settings alone: $left"
    else
        [ -z "$left" ] || setup_fail "$kind: keys left behind: $left"
        ! grep -qF '[Software\\Corvane' "$WINEPREFIX/user.reg" || setup_fail "$kind: the settings were not removed"
    fi
    [ "$(reg_value "$hive" "$classes\\.vcf" @)" = "$vcf_default" ] || setup_fail "$kind: the .vcf default was removed"
}

setup_check() {
    local version setup stage user_folder setup_failed=0 vcf_default
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
    setup=$build_dir/Cardisto-$version-setup.exe
    stage=$build_dir/package/Cardisto-$version-win64
    if [ ! -f "$setup" ]; then
        echo "No $setup: run tools/windows/build.sh."
        failures+=("setup")
        return
    fi
    echo "  $(basename "$setup"): $(du -k "$setup" | cut -f1) KB"
    check_file_texts "$setup" "Cardisto setup"
    # Wine's menu builder would put the shortcut and the file type on the Unix desktop.
    local -x WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # A program that already has .vcf files: the setup program must leave it so.
    "$run" reg add 'HKCU\Software\Classes\.vcf' /ve /d OtherContacts.vcf /f > /dev/null 2>&1
    "$wineserver" -w
    vcf_default='"OtherContacts.vcf"'
    for user_folder in "$WINEPREFIX"/drive_c/users/*; do
        [ "$(basename "$user_folder")" != Public ] && break
    done
    setup_round "for the user" user.reg 'C:\users\*\AppData\Local\Programs\Cardisto' \
        "$user_folder/AppData/Roaming/Microsoft/Windows/Start Menu/Programs" --
    vcf_default=""
    setup_round "for all users" system.reg 'C:\Program Files\Cardisto' \
        "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" /ALLUSERS -- /REMOVESETTINGS
    # The test programs that follow get the prefix as it was.
    "$run" reg delete 'HKCU\Software\Classes\.vcf' /f > /dev/null 2>&1
    "$wineserver" -w
    [ "$setup_failed" -eq 0 ] || failures+=("setup")
}
