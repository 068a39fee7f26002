# SPDX-License-Identifier: MIT
# The Debian package: cpack -G DEB in a build folder (the release preset's for
# distribution) makes velloquin_<version>_<arch>.deb from what cmake --install installs.
set(CPACK_PACKAGE_NAME velloquin)
set(CPACK_PACKAGE_VENDOR "The Velloquin developers")
set(CPACK_PACKAGE_CONTACT "${VELLOQUIN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "crossword puzzle maker")
# Debian wants the long description in lines of at most 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Velloquin makes crossword puzzles. Type answer words and their clues,\n"
    "place each word on a letter grid by hand or let the program lay out all\n"
    "words automatically.\n"
    ".\n"
    "The finished puzzle can be saved as a .cwd file, copied to the clipboard\n"
    "as a grid picture or as ACROSS and DOWN clue lists, printed, or exported\n"
    "as a Word document, a PDF worksheet with its answer key, or an ipuz or\n"
    "Across Lite file. The command velloquin-cli does the same work from\n"
    "scripts.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${VELLOQUIN_HOMEPAGE}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies come from the libraries the programs link (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations, so that standard buttons and file dialogs speak the window's
# language; without them those stay in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_GENERATOR DEB)
include(CPack)
