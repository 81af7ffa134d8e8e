# A Debian package of the installed program: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME blinket)
set(CPACK_PACKAGE_VENDOR "Corvale")
set(CPACK_PACKAGE_CONTACT "Blinket Developer <dev@blinket.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn to read Morse code by eye")
set(CPACK_PACKAGE_DESCRIPTION
    "A round lamp flashes random letters in Morse code, at a speed and for a time of your \
choosing; at the end the letters that were sent are shown, five to a group, to check what \
you read.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The banner's Hebrew font, the desktop's URL opener behind the web links, and the SQLite
# driver that Qt loads as a plugin for the practice history (shlibdeps cannot see a plugin).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "culmus, xdg-utils, libqt6sql6-sqlite")
include(CPack)
