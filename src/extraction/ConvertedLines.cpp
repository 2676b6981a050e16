#include "ConvertedLines.h"

namespace cardisto {

QList<QStringView> ConvertedLines(QStringView convertedText)
{
    QList<QStringView> lines;
    if (convertedText.isEmpty())
        return lines;
    static constexpr QStringView kLineEnd = u"\r\n";
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = convertedText.indexOf(kLineEnd, start);
        if (end < 0) {
            lines.append(convertedText.mid(start));
            return lines;
        }
        lines.append(convertedText.mid(start, end - start));
        start = end + kLineEnd.size();
    }
}

} // namespace cardisto
