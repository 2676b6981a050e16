#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a scratch DESTDIR and checks it as a desktop and a package would: every file
# in its place, a desktop entry and AppStream metadata that pass their validators, programs that
# answer --help and --version on standard output without a display, and a Debian package that
# lintian finds no error or warning in (when lintian is installed).
# Usage: check-install.sh BUILD_DIR SOURCE_DIR APP_ID VERSION DATA_FROM_BINARIES
set -euo pipefail
build=$1 source=$2 id=$3 version=$4 data_from_binaries=$5
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing; run bash tools/install-deps.sh" >&2; exit 1; }
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr

expected=(bin/cardisto bin/cardisto-cli share/cardisto/HAND-M.CUR share/cardisto/drag.ico
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg" share/man/man1/cardisto.1.gz share/man/man1/cardisto-cli.1.gz
    share/doc/cardisto/LICENSE share/doc/cardisto/copyright share/doc/cardisto/changelog.gz)
for f in "${expected[@]}"; do
    [ -f "$root/$f" ] || fail "$f is not installed"
done
# The man pages unpack to the pages in the checkout.
for page in cardisto.1 cardisto-cli.1; do
    gzip -dc "$root/share/man/man1/$page.gz" 2>/dev/null | cmp -s - "$source/docs/man/$page" ||
        fail "share/man/man1/$page.gz is not docs/man/$page compressed"
done
grep -q '^License: GPL-3.0-or-later' "$root/share/doc/cardisto/copyright" || fail "copyright names no licence"
# The package's version is the program's: the changelog's latest entry must name it.
[[ $(gzip -dc "$root/share/doc/cardisto/changelog.gz" 2>/dev/null | head -n 1) == "cardisto ($version) "* ]] ||
    fail "the changelog's latest entry is not $version"
# Each PNG icon is as large as the folder it sits in says (width and height from its IHDR chunk).
for size in 16 24 32 48 64 128 256; do
    png="$root/share/icons/hicolor/${size}x${size}/apps/$id.png"
    if [ -f "$png" ]; then
        read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png")
        [ $(((w2 << 8) + w3)) -eq "$size" ] && [ $(((h2 << 8) + h3)) -eq "$size" ] || fail "$png is not ${size}x${size}"
    else
        fail "icon ${size}x${size} is not installed"
    fi
done
# The programs find their own files from their folder by the relative path they were built with.
shipped=$(cd "$source/samples" && ls ./*.vcf | sort)
installed=$(cd "$root/bin/$data_from_binaries/Samples" 2>/dev/null && ls ./*.vcf | sort) || true
[ -n "$shipped" ] && [ "$shipped" = "$installed" ] || fail "the sample files are not in bin/$data_from_binaries/Samples"

desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop entry"
grep -qx 'MimeType=text/vcard;text/x-vcard;' "$root/share/applications/$id.desktop" || fail "desktop entry MimeType"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >/dev/null || fail "AppStream metadata"
grep -q "<release version=\"$version\"" "$root/share/metainfo/$id.metainfo.xml" || fail "no AppStream release $version"

# Without a display: help and version answer, a start explains itself.
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[ "$("${headless[@]}" "$root/bin/cardisto" --version)" = "cardisto $version" ] || fail "cardisto --version"
"${headless[@]}" "$root/bin/cardisto" --help | grep -q '^Usage: cardisto ' || fail "cardisto --help"
status=0
message=$("${headless[@]}" "$root/bin/cardisto" a.vcf 2>&1 >/dev/null) || status=$?
[ "$status" -eq 1 ] && [[ $message == *"needs a graphical display"* ]] || fail "cardisto without a display: $status $message"
[ "$("$root/bin/cardisto-cli" --version)" = "cardisto-cli $version" ] || fail "cardisto-cli --version"

# The Debian package as CPack makes it, checked as Debian checks packages.
if command -v lintian >/dev/null; then
    if cpack -G DEB -B "$stage/deb" --config "$build/CPackConfig.cmake" >/dev/null; then
        status=0
        report=$(lintian --fail-on error,warning "$stage"/deb/cardisto_*.deb 2>&1) || status=$?
        # Run as root, lintian says it should not be; it works all the same, the package is only read.
        report=$(grep -v '^running with root privileges' <<<"$report" || true)
        [ -z "$report" ] || echo "$report"
        [ "$status" -eq 0 ] || fail "lintian finds errors or warnings in the Debian package"
    else
        fail "cpack -G DEB"
    fi
else
    echo "lintian is not installed: the Debian package is not checked (bash tools/install-deps.sh installs it)"
fi

[ "$failures" -eq 0 ] || exit 1
echo "The installed layout is complete and valid."
