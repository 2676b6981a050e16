// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Qt source leaves out the Wacom wintab headers; Wine ships LGPL ones (libwine-dev) that
// use two Wine-only macros and lack Wacom's API macro. toolchain.sh installs this file as wintab.h
// beside Wine's copy so that Qt's Windows platform plugin compiles with tablet support as on any
// other Windows build.
#pragma once
#include <windows.h>
#ifndef WINELIB_NAME_AW
#  ifdef UNICODE
#    define WINELIB_NAME_AW(name) name##W
#  else
#    define WINELIB_NAME_AW(name) name##A
#  endif
#endif
#ifndef DECL_WINELIB_TYPE_AW
#  define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#endif
// Wacom's header names the calling convention of its entry points API; Qt's plugin uses that name.
#ifndef API
#  define API WINAPI
#endif
#include "wine-wintab.h"
