// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the indexed text-set matching must count exactly what the plain matching
// counts. Input: lines, then items, separated by U+0001; short item lists are padded with decoys so
// that the index is used.
#include "FuzzSupport.h"
#include "extraction/TextSetMatcher.h"
#include "extraction/TextSetMatching.h"

using namespace cardisto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList parts = fuzz::textFrom(data, size).split(QChar(1));
    if (parts.size() < 2)
        return 0;
    QStringList items = parts.mid(1);
    for (int k = 0; items.size() < 40; ++k)
        items.append(QStringLiteral("decoy%1").arg(k) + items.at(k % (parts.size() - 1)).left(3));
    TextSetMatcher matcher;
    for (const QString& line : parts.first().split(u'\n'))
        fuzz::require(matcher.matchingItemCount(line, items) == MatchingItemCount(line, items));
    return 0;
}
