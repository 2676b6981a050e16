# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` lays out (GNUInstallDirs): the two programs, their own files under
# share/cardisto, the desktop entry, icons, AppStream metadata, man pages and the licence.
set(CARDISTO_DATADIR ${CMAKE_INSTALL_DATADIR}/cardisto)

install(TARGETS cardisto-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/docs/man/cardisto-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CARDISTO_SAMPLE_FILES} DESTINATION ${CARDISTO_DATADIR}/Samples)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/cardisto)

if(TARGET cardisto)
    install(TARGETS cardisto RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${CMAKE_SOURCE_DIR}/docs/man/cardisto.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
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
