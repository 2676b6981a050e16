// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConvertedLines.h"

namespace cardisto {

QList<QStringView> ConvertedLines(QStringView convertedText)
{
    QList<QStringView> lines;
    if (convertedText.isEmpty())
        return lines;
    // Searching for the single CR is the fast path of the string search; a CR without LF does not cut.
    qsizetype start = 0;
    qsizetype from = 0;
    for (;;) {
        const qsizetype cr = convertedText.indexOf(u'\r', from);
        if (cr < 0) {
            lines.append(convertedText.mid(start));
            return lines;
        }
        if (cr + 1 < convertedText.size() && convertedText[cr + 1] == u'\n') {
            lines.append(convertedText.mid(start, cr - start));
            start = cr + 2;
        }
        from = cr + 1;
    }
}

} // namespace cardisto
