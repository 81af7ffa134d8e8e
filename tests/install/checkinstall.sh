#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Installs the build into a scratch prefix and checks what lands where: the program, a
# valid desktop entry, valid AppStream metadata, the icon in each hicolor size, the manual
# page, the licence terms and the changelog. With "deb" it builds the Debian package instead
# and checks its contents and dependencies, that the program is stripped, and what lintian
# says of the package when lintian is installed.
# Usage: checkinstall.sh <build folder> [deb]
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sizes=(16 32 48 64 128 256)
id=example.corvale.blinket

# check_copyright file: a machine-readable copyright file whose licences are all spelled out,
# with the whole program under the GPL, version 3 or later.
check_copyright() {
    local copyright=$1
    [ -f "$copyright" ] || { echo "no copyright file at $copyright"; exit 1; }
    head -n 1 "$copyright" \
        | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
        || { echo "$copyright is not in the machine-readable format"; exit 1; }
    # Paragraphs with a Files field name a licence; those that start with License give its text.
    local missing
    missing=$(awk '
        /^$/ { first = ""; next }
        first == "" { first = $1 }
        /^Files:/ { files = $0 }
        /^License:/ {
            name = substr($0, index($0, " ") + 1)
            if (first == "License:") {
                given[name] = 1
            } else {
                named[name] = 1
                if (files == "Files: *") all = name
            }
        }
        END {
            if (all != "GPL-3.0-or-later") print "Files: * under \"" all "\""
            for (name in named) if (!(name in given)) print "no text for " name
        }' "$copyright")
    [ -z "$missing" ] || { echo "$copyright: $missing"; exit 1; }
    grep -q '/usr/share/common-licenses/GPL-3"' "$copyright" \
        || { echo "$copyright does not point to Debian's copy of the GPL"; exit 1; }
}

# check_changelog file metainfo: the changes in Debian's changelog form, compressed
# reproducibly, the newest entry for the version built and the release the metadata announces.
check_changelog() {
    local changelog=$1 metainfo=$2
    [ -f "$changelog" ] || { echo "no changelog at $changelog"; exit 1; }
    # Flags and modification time in the gzip header: no file name, no time stamp.
    [ "$(od -An -tx1 -j3 -N5 "$changelog" | tr -d ' ')" = 0000000000 ] \
        || { echo "$changelog records a name or time, so builds differ"; exit 1; }
    local newest version
    newest=$(dpkg-parsechangelog -l "$changelog" -S Version)
    version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
    [ "$newest" = "$version" ] \
        || { echo "the newest change listed is for $newest, not version $version"; exit 1; }
    # The metadata's newest release, as <release version="..." date="...">.
    local release release_version release_date
    release=$(grep -m 1 -o '<release version="[^"]*" date="[^"]*"' "$metainfo")
    release_version=$(cut -d '"' -f 2 <<< "$release")
    release_date=$(cut -d '"' -f 4 <<< "$release")
    local signed
    signed=$(dpkg-parsechangelog -l "$changelog" -S Timestamp)
    [ "$release_version" = "$version" ] \
        && [ "$(date -u -d "@$signed" +%F)" = "$release_date" ] \
        || { echo "the changelog's newest entry is not the metadata's $release"; exit 1; }
}

# check_manual file: the manual page renders without a warning, has a NAME line for whatis,
# and is for the version built; compressed reproducibly like the changelog.
check_manual() {
    local manual=$1
    [ -f "$manual" ] || { echo "no manual page at $manual"; exit 1; }
    [ "$(od -An -tx1 -j3 -N5 "$manual" | tr -d ' ')" = 0000000000 ] \
        || { echo "$manual records a name or time, so builds differ"; exit 1; }
    local warnings
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l "$manual" 2>&1 > /dev/null)
    [ -z "$warnings" ] || { echo "$warnings"; echo "$manual renders with warnings"; exit 1; }
    lexgrog "$manual" | grep -q ': "blinket - ' || { echo "$manual has no NAME line"; exit 1; }
    local version
    version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
    gzip -dc "$manual" | grep -q "^\.TH BLINKET 1 .* \"Blinket $version\"" \
        || { echo "$manual is not for version $version"; exit 1; }
}

# check_tree root: the installed files under root/usr-like prefix.
check_tree() {
    local prefix=$1
    [ -x "$prefix/bin/blinket" ] || { echo "no program at $prefix/bin/blinket"; exit 1; }
    # The Progress window's module, in the folder the program looks in, as seen from bin/.
    local modules=$prefix/bin/$(strings -e l "$prefix/bin/blinket" | grep -m 1 -x '\.\./lib.*/blinket')
    [ -f "$modules/blinket-progress.so" ] || { echo "no Progress module in $modules"; exit 1; }
    local desktop=$prefix/share/applications/$id.desktop
    [ -f "$desktop" ] || { echo "no desktop file at $desktop"; exit 1; }
    desktop-file-validate "$desktop" || { echo "the desktop file does not validate"; exit 1; }
    grep -qx 'Exec=blinket' "$desktop" || { echo "the desktop file starts something else"; exit 1; }
    grep -qx 'Icon=blinket' "$desktop" || { echo "the desktop file names another icon"; exit 1; }
    # The tree as a software centre reads it: the metadata valid, its desktop entry present.
    local metainfo=$prefix/share/metainfo/$id.metainfo.xml
    [ -f "$metainfo" ] || { echo "no AppStream metadata at $metainfo"; exit 1; }
    local report
    report=$(appstreamcli validate-tree --no-net "$prefix" 2>&1) \
        || { echo "$report"; echo "the AppStream metadata does not validate"; exit 1; }
    if grep -E '^ *[EW]:' <<< "$report"; then
        echo "the AppStream metadata has errors or warnings"
        exit 1
    fi
    for size in "${sizes[@]}"; do
        local icon=$prefix/share/icons/hicolor/${size}x${size}/apps/blinket.png
        [ -f "$icon" ] || { echo "no icon at $icon"; exit 1; }
        local actual
        actual=$(identify -format '%wx%h' "$icon")
        [ "$actual" = "${size}x${size}" ] || { echo "$icon is $actual"; exit 1; }
    done
    check_copyright "$prefix/share/doc/blinket/copyright"
    check_changelog "$prefix/share/doc/blinket/changelog.gz" "$metainfo"
    check_manual "$prefix/share/man/man1/blinket.1.gz"
}

if [ "${2:-}" = deb ]; then
    (cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" > cpack.log) \
        || { cat "$work/cpack.log"; exit 1; }
    package=$(ls "$work"/*.deb)
    echo "built $(basename "$package")"
    dpkg-deb -x "$package" "$work/root"
    check_tree "$work/root/usr"
    depends=$(dpkg-deb -f "$package" Depends)
    echo "Depends: $depends"
    for needed in libqt6widgets6 culmus xdg-utils libqt6sql6-sqlite; do
        grep -q "$needed" <<< "$depends" \
            || { echo "the package does not depend on $needed"; exit 1; }
    done
    [ "$(dpkg-deb -f "$package" Recommends)" = qt6-translations-l10n ] \
        || { echo "the package does not recommend Qt's translations"; exit 1; }
    # Stripped: the package carries no symbols or debugging information.
    kind=$(file -b "$work/root/usr/bin/blinket")
    [[ $kind == *", stripped"* ]] || { echo "the program is not stripped: $kind"; exit 1; }
    long=$(dpkg-deb -f "$package" Description | awk 'length > 80')
    [ -z "$long" ] || { echo "description lines over 80 columns: $long"; exit 1; }
    if command -v lintian > /dev/null; then
        # Informational tags are shown but allowed; errors and warnings fail, explained.
        report=$(lintian --info --display-info "$package" 2>&1 \
            | sed '/^running with root privileges/d')
        if grep -E '^[EW]: ' <<< "$report" > /dev/null; then
            echo "$report"
            echo "lintian finds errors or warnings in the package"
            exit 1
        fi
        echo "lintian finds no error or warning; informational remarks:"
        grep -E '^[IP]: ' <<< "$report" || echo "none"
    else
        echo "lintian is not installed: the package is not linted"
    fi
    echo "the Debian package holds all it should"
else
    cmake --install "$build" --prefix "$work/prefix" > /dev/null
    check_tree "$work/prefix"
    echo "the install tree holds all it should"
fi
