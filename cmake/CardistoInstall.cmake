# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` lays out (GNUInstallDirs): the two programs, their own files under
# share/cardisto, the desktop entry, icons, AppStream metadata, man pages, the licence and the
# Debian changelog.
set(CARDISTO_DATADIR ${CMAKE_INSTALL_DATADIR}/cardisto)

# Man pages and the Debian changelog go out compressed, as man-db and Debian's packaging rules
# expect; -n leaves the time and name out of the gzip header so that two builds give the same bytes.
find_program(CARDISTO_GZIP gzip)
function(cardisto_install_gzipped source destination name)
    if(CARDISTO_GZIP)
        set(packed ${CMAKE_BINARY_DIR}/gzipped/${name}.gz)
        add_custom_command(OUTPUT ${packed}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/gzipped
            COMMAND ${CARDISTO_GZIP} -9 -n -c ${source} > ${packed}
            DEPENDS ${source} VERBATIM)
        add_custom_target(gzip-${name} ALL DEPENDS ${packed})
        install(FILES ${packed} DESTINATION ${destination})
    else()
        install(FILES ${source} DESTINATION ${destination} RENAME ${name})
    endif()
endfunction()
function(cardisto_install_man_page page)
    cardisto_install_gzipped(${CMAKE_SOURCE_DIR}/docs/man/${page} ${CMAKE_INSTALL_MANDIR}/man1 ${page})
endfunction()

install(TARGETS cardisto-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
cardisto_install_man_page(cardisto-cli.1)
install(FILES ${CARDISTO_SAMPLE_FILES} DESTINATION ${CARDISTO_DATADIR}/Samples)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/cardisto)
cardisto_install_gzipped(${CMAKE_SOURCE_DIR}/packaging/changelog ${CMAKE_INSTALL_DATADIR}/doc/cardisto changelog)

if(TARGET cardisto)
    install(TARGETS cardisto RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    cardisto_install_man_page(cardisto.1)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/HAND-M.CUR ${CMAKE_SOURCE_DIR}/resources/drag.ico
            DESTINATION ${CARDISTO_DATADIR})
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/${CARDISTO_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/${CARDISTO_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/${CARDISTO_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
