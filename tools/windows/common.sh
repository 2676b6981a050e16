# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by build.sh, toolchain.sh and test.sh: where things live and how to install Debian packages.
windows_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root_dir=$(cd "$windows_dir/../.." && pwd)
cache_dir=${CARDISTO_WIN_CACHE:-$HOME/.cache/cardisto-windows}
prefix_dir=$cache_dir/prefix
build_dir=$root_dir/build-windows
jobs=${CARDISTO_WIN_JOBS:-2}
mingw_triple=x86_64-w64-mingw32
mingw_gcc_dir=$(dirname "$(x86_64-w64-mingw32-gcc-posix -print-libgcc-file-name 2>/dev/null || echo /nonexistent/x)")
host_qt_cmake_dir=/usr/lib/x86_64-linux-gnu/cmake

# Installs the Debian packages named that are not installed yet; one apt-get update at most.
need_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# apt-get source needs a deb-src entry; Debian 12 images often have only binary ones.
need_deb_src() {
    if grep -rqsE '^(deb-src |Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return 0
    fi
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    # The source entries mirror the binary ones the machine already uses for Debian.
    {
        for list in /etc/apt/sources.list.d/*.sources; do
            [ -f "$list" ] && awk 'BEGIN { RS = ""; ORS = "\n\n" }
                /debian-archive-keyring|\/debian/ { gsub(/Types: deb\n/, "Types: deb-src\n"); print }' "$list"
        done
    } | $sudo tee /etc/apt/sources.list.d/cardisto-deb-src.sources > /dev/null
    grep -hE '^deb .*debian' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | sed 's/^deb /deb-src /' |
        $sudo tee /etc/apt/sources.list.d/cardisto-deb-src.list > /dev/null
    $sudo apt-get update
}

# Prints "== name: N s" after running the rest of the line, so every log gives each step's wall time.
timed() {
    local name=$1 start=$SECONDS status=0
    shift
    echo "== $name: started $(date +%H:%M:%S)"
    "$@" || status=$?
    echo "== $name: $((SECONDS - start)) s$([ "$status" -eq 0 ] || echo ", failed ($status)")"
    return "$status"
}
