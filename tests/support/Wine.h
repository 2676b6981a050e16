// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace cardisto::test {

// True when this Windows program runs under Wine, which tools/windows/test.sh uses. A few things
// that Windows does are Wine's to get right; the tests that meet them say so when they skip.
inline bool runningUnderWine()
{
#ifdef Q_OS_WIN
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

} // namespace cardisto::test
