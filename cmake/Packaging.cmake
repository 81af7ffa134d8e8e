# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Corvale
# A Debian package of the installed program: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME blinket)
set(CPACK_PACKAGE_VENDOR "Corvale")
set(CPACK_PACKAGE_CONTACT "Blinket Developer <dev@blinket.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn to read Morse code by eye from a flashing lamp")
# One line of the extended description per line here: Debian wants them within 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Blinket teaches you to read Morse code by eye. A round lamp in its window"
    "flashes random letters, all of A to Z or one of twelve small lessons, at a"
    "speed and for a time of your choosing. At the end the letters that were sent"
    "are shown, five to a group, with the seconds the run took, to check what you"
    "read. The lamp's size and colour can be saved; the captions are in English"
    "and Hebrew.")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.corvale.example")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The banner's Hebrew font, the desktop's URL opener behind the web links, and the SQLite
# driver that Qt loads as a plugin for the practice history (shlibdeps cannot see a plugin).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "culmus, xdg-utils, libqt6sql6-sqlite")
# Qt's own texts in Hebrew (the buttons of dialogs) for a Hebrew desktop; without them those
# stay in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The package carries no debugging information; the build folder keeps it.
set(CPACK_STRIP_FILES ON)
include(CPack)
