# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in a release build: a Debian package of the installed layout under /usr, with its
# run-time dependencies worked out by dpkg-shlibdeps from the programs' libraries.
set(CPACK_PACKAGE_NAME cardisto)
set(CPACK_PACKAGE_VENDOR ${CARDISTO_PUBLISHER})
set(CPACK_PACKAGE_CONTACT "Corvane <support@corvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pulls contact data out of vCard files")
# Debian shows the description as written: lines of at most 80 characters, each given a leading
# blank by CPack.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Cardisto takes the e-mail addresses, phone numbers, names and addresses"
    "(or all fields) out of vCard files and extracts lines from them: all lines,"
    "lines containing a text or not, lines by number, text between two markers,"
    "or lines containing any of a set of texts. Results are saved as an aligned"
    "text file or a spreadsheet workbook, or copied to the clipboard."
    ""
    "The package holds the desktop program cardisto and the batch front end"
    "cardisto-cli.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(CARDISTO_WEBSITE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${CARDISTO_WEBSITE})
endif()
include(CPack)
