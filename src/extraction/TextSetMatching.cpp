// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextSetMatching.h"

#include "LineFilter.h"

namespace cardisto {

qsizetype MatchingItemCount(QStringView line, const QStringList& items)
{
    qsizetype count = 0;
    for (const QString& item : items) {
        if (LineContainsText(line, item))
            ++count;
    }
    return count;
}

} // namespace cardisto
