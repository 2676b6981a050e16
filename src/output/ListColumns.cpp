// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListColumns.h"

#include <QAbstractItemModel>

namespace cardisto {

int listColumnCount(const QAbstractItemModel& list)
{
    return list.columnCount();
}

int listRowCount(const QAbstractItemModel& list)
{
    return list.rowCount();
}

QString listHeaderText(const QAbstractItemModel& list, int column)
{
    return list.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

QString listCellText(const QAbstractItemModel& list, int row, int column)
{
    return list.data(list.index(row, column), Qt::DisplayRole).toString();
}

bool listRowIsSet(const QAbstractItemModel& list, int row)
{
    const QVariant state = list.data(list.index(row, 0), Qt::CheckStateRole);
    return !state.isValid() || state.toInt() == Qt::Checked;
}

qsizetype characterCount(QStringView text)
{
    qsizetype count = text.size();
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i].isHighSurrogate() && text[i + 1].isLowSurrogate()) {
            --count;
            ++i;
        }
    }
    return count;
}

void appendAlignedCell(QString& line, const QString& text, qsizetype width)
{
    line.append(text);
    const qsizetype blanks = width - characterCount(text);
    if (blanks > 0)
        line.resize(line.size() + blanks, u' ');
    line.append(u'\t');
}

} // namespace cardisto
