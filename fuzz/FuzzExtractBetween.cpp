// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: text, start marker and end marker, separated by the first two U+0001.
#include "FuzzSupport.h"
#include "extraction/ExtractBetween.h"

using namespace cardisto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = fuzz::textFrom(data, size);
    const QStringList parts = input.split(QChar(1));
    if (parts.size() < 3)
        return 0;
    const QString& text = parts[0];
    const QString& start = parts[1];
    const QString& end = parts[2];
    const QStringList stretches = ExtractBetween(text, start, end);
    fuzz::require(stretches.size() <= (end.isEmpty() ? 0 : text.count(end) + 0));
    for (const QString& stretch : stretches) {
        fuzz::require(stretch.startsWith(start, Qt::CaseInsensitive));
        fuzz::require(end.isEmpty() || !stretch.contains(end));
        fuzz::require(text.contains(stretch));
    }
    return 0;
}
