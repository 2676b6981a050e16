// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cardisto {

// The longest path the platform can open, as the folder scan applies it: 4096 bytes on Linux and
// the other Unix systems (the terminating NUL included, so 4095 usable bytes), 260 characters on
// Windows. Folders at or beyond the limit are not descended into and files beyond it are not taken:
// no later command could open them by their path.
#ifdef Q_OS_WIN
inline constexpr qsizetype kPathLimit = 260; // characters
#else
inline constexpr qsizetype kPathLimit = 4096; // bytes in the file-system encoding
#endif

// True when the path is shorter than the limit.
bool fitsPathLimit(const QString& path);

} // namespace cardisto
