# SPDX-License-Identifier: GPL-3.0-or-later
# cardisto_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One QTest executable per unit, registered with CTest. Every test runs headless, in a UTF-8 locale,
# with HOME and the XDG folders inside the build tree so that no run touches the user's settings.
set(CARDISTO_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)
set(CARDISTO_CORPUS_DIR ${CMAKE_SOURCE_DIR}/../shared/corpus/vcards CACHE PATH "Real-world vCard files for the golden tests")

function(cardisto_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        CARDISTO_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data"
        CARDISTO_CORPUS_DIR="${CARDISTO_CORPUS_DIR}"
        CARDISTO_BINARY_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 600
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;HOME=${CARDISTO_TEST_HOME}/${name};XDG_CONFIG_HOME=${CARDISTO_TEST_HOME}/${name}/config;XDG_DATA_HOME=${CARDISTO_TEST_HOME}/${name}/data;XDG_CACHE_HOME=${CARDISTO_TEST_HOME}/${name}/cache;XDG_RUNTIME_DIR=${CARDISTO_TEST_HOME}/${name}/runtime;QT_LOGGING_RULES=qt.qpa.*=false")
    file(MAKE_DIRECTORY ${CARDISTO_TEST_HOME}/${name}/runtime)
    file(CHMOD ${CARDISTO_TEST_HOME}/${name}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endfunction()
