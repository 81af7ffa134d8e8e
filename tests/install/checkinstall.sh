#!/bin/bash
# Installs the build into a scratch prefix and checks what lands where: the program, a
# valid desktop entry and the icon in each hicolor size. With "deb" it builds the Debian
# package instead and checks its contents and dependencies.
# Usage: checkinstall.sh <build folder> [deb]
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sizes=(16 32 48 64 128 256)

# check_tree root: the installed files under root/usr-like prefix.
check_tree() {
    local prefix=$1
    [ -x "$prefix/bin/blinket" ] || { echo "no program at $prefix/bin/blinket"; exit 1; }
    local desktop=$prefix/share/applications/blinket.desktop
    [ -f "$desktop" ] || { echo "no desktop file at $desktop"; exit 1; }
    desktop-file-validate "$desktop" || { echo "the desktop file does not validate"; exit 1; }
    grep -qx 'Exec=blinket' "$desktop" || { echo "the desktop file starts something else"; exit 1; }
    grep -qx 'Icon=blinket' "$desktop" || { echo "the desktop file names another icon"; exit 1; }
    for size in "${sizes[@]}"; do
        local icon=$prefix/share/icons/hicolor/${size}x${size}/apps/blinket.png
        [ -f "$icon" ] || { echo "no icon at $icon"; exit 1; }
        local actual
        actual=$(identify -format '%wx%h' "$icon")
        [ "$actual" = "${size}x${size}" ] || { echo "$icon is $actual"; exit 1; }
    done
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
        grep -q "$needed" <<< "$depends" || { echo "the package does not depend on $needed"; exit 1; }
    done
    echo "the Debian package holds the program, its desktop entry and icons"
else
    cmake --install "$build" --prefix "$work/prefix" > /dev/null
    check_tree "$work/prefix"
    echo "the install tree holds the program, a valid desktop entry and the icons"
fi
