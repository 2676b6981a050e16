// SPDX-License-Identifier: GPL-3.0-or-later
#include "PathLimit.h"

#include <QFile>

namespace cardisto {

bool fitsPathLimit(const QString& path)
{
#ifdef Q_OS_WIN
    return path.size() < kPathLimit;
#else
    // UTF-8 never takes fewer bytes than UTF-16 code units, so short paths need no encoding.
    if (path.size() * 3 < kPathLimit)
        return true;
    return QFile::encodeName(path).size() < kPathLimit;
#endif
}

} // namespace cardisto
