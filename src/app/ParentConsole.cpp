// SPDX-License-Identifier: GPL-3.0-or-later
#include "ParentConsole.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <cstdio>
#include <windows.h>
#endif

namespace cardisto {

#ifdef Q_OS_WIN

namespace {

// A handle the program was given: a redirection or an inherited console.
bool hasHandle(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

} // namespace

void useParentConsole()
{
    const bool hasOut = hasHandle(STD_OUTPUT_HANDLE);
    const bool hasErr = hasHandle(STD_ERROR_HANDLE);
    if (hasOut && hasErr)
        return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return; // started from Explorer or a shortcut: nobody to tell
    if (!hasOut)
        std::freopen("CONOUT$", "w", stdout);
    if (!hasErr)
        std::freopen("CONOUT$", "w", stderr);
}

#else

void useParentConsole() {}

#endif

} // namespace cardisto
