# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the -posix compilers, which have std::thread).
# CARDISTO_WIN_PREFIX names the cache folder that holds the cross-built Qt, libxlsxwriter and their kin.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CARDISTO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CARDISTO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CARDISTO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${CARDISTO_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${CARDISTO_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${CARDISTO_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# Try-compile projects get a copy of these variables, so the prefix reaches them too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CARDISTO_WIN_PREFIX)
if(NOT CARDISTO_WIN_PREFIX AND DEFINED ENV{CARDISTO_WIN_PREFIX})
    set(CARDISTO_WIN_PREFIX $ENV{CARDISTO_WIN_PREFIX})
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${CARDISTO_MINGW_TRIPLE})
if(CARDISTO_WIN_PREFIX)
    list(APPEND CMAKE_FIND_ROOT_PATH ${CARDISTO_WIN_PREFIX})
    # pkg-config must see only the Windows libraries, never the host's.
    set(ENV{PKG_CONFIG_LIBDIR} ${CARDISTO_WIN_PREFIX}/lib/pkgconfig)
    set(ENV{PKG_CONFIG_PATH} "")
    set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs and other built executables run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
