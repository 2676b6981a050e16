# SPDX-License-Identifier: GPL-3.0-or-later
# Windows only: each program's version resource and icon, what Explorer shows of it (Properties,
# Details) and Task Manager names it by, compiled by the MinGW resource compiler; and the same
# facts for the setup program's script (tools/windows/installer.nsi).
if(NOT WIN32)
    function(cardisto_windows_resources)
    endfunction()
    return()
endif()
enable_language(RC)

set(CARDISTO_LICENCE "GNU General Public License, version 3 or any later version")
set(CARDISTO_ICON_FILE ${CMAKE_SOURCE_DIR}/resources/windows/cardisto.ico)
configure_file(${CMAKE_SOURCE_DIR}/tools/windows/installer-facts.nsh.in
               ${CMAKE_BINARY_DIR}/installer-facts.nsh @ONLY)

# cardisto_windows_resources(<target> <description>): the description is the program's name in
# Task Manager and under Details.
function(cardisto_windows_resources target description)
    set(CARDISTO_PROGRAM ${target})
    set(CARDISTO_FILE_DESCRIPTION ${description})
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${CMAKE_SOURCE_DIR}/resources/windows/version.rc.in ${rc} @ONLY)
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${CARDISTO_ICON_FILE})
    target_sources(${target} PRIVATE ${rc})
endfunction()
