#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# Installs the Debian 12 packages the build, the program and the tests need, when missing.
# Usage: tools/install-deps.sh [run|test]   (test adds the headless test tools)
set -euo pipefail
# xdg-utils: the desktop's URL opener, which the web links hand their addresses to;
# libqt6sql6-sqlite: Qt's SQLite driver, which keeps the practice history; qt6-charts-dev: the
# Progress window's charts, whose CMake files need Qt OpenGL's from libqt6opengl6-dev, a
# dependency Debian 12's package does not declare; libfontconfig-dev: the program starts
# reading the desktop's fonts on a thread of its own while it starts; qt6-tools-dev and
# qt6-l10n-tools: CMake's Qt6LinguistTools with lupdate and lrelease, which make the practice
# windows' translations; qt6-translations-l10n: Qt's own texts (the buttons of dialogs) in Hebrew.
packages=(cmake g++ make qt6-base-dev qt6-charts-dev libqt6opengl6-dev libfontconfig-dev culmus
    fonts-dejavu-core xdg-utils libqt6sql6-sqlite qt6-tools-dev qt6-l10n-tools
    qt6-translations-l10n)
if [ "${1:-run}" = test ]; then
    # appstream: checks the metadata software centres read; man-db, groff-base: render the
    # manual page; libx11-dev: a test helper asks the window to close as a window manager
    # would; dpkg-dev: the Debian package's library dependencies and its changelog; file:
    # CPack finds the programs to strip with it; lintian: checks the Debian package;
    # sqlite3: the history tests read the file as a learner with the command-line tool would;
    # clang-format: the check that the formatting is applied; git: that check and the
    # licence check list the tracked files with it; xclip: reads what the program put on the
    # clipboard; openbox: a window manager, for the pictures of the practice windows where the
    # program places them; libxtst-dev: a test helper keys the lamp key as a hand would, through
    # the X server's test extension.
    packages+=(xvfb xdotool imagemagick desktop-file-utils appstream man-db groff-base
        libx11-dev dpkg-dev file lintian sqlite3 clang-format git xclip openbox libxtst-dev)
fi
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
        || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
