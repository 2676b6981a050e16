// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClipboardText.h"

#include "ListColumns.h"

#include <QAbstractItemModel>

namespace cardisto {

std::optional<QString> CopyListviewToClipboardText(const QAbstractItemModel& list,
                                                   const std::function<void()>& letEventsRun)
{
    const int rows = listRowCount(list);
    if (rows == 0)
        return std::nullopt;
    auto yield = [&letEventsRun] {
        if (letEventsRun)
            letEventsRun();
    };
    const QList<qsizetype> widths = listColumnWidths(list, false, yield);
    QString text;
    for (int row = 0; row < rows; ++row) {
        yield();
        if (!listRowIsSet(list, row))
            continue;
        const qsizetype lineStart = text.size();
        for (int column = 0; column < widths.size(); ++column)
            appendAlignedCell(text, listCellText(list, row, column), widths[column]);
        if (text.size() > lineStart)
            text.chop(1); // the final tab
        qsizetype end = text.size();
        while (end > lineStart && text[end - 1] == u' ')
            --end;
        text.truncate(end);
        text.append(QStringLiteral("\r\n"));
    }
    return text;
}

} // namespace cardisto
