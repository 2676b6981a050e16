// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <algorithm>

class QAbstractItemModel;

namespace cardisto {

// The writers read any list with columns the same way: the header text of each column, a text per
// cell (a missing sub-item reads as empty) and whether a row is set. A list without check boxes
// reports no check state, and then every row counts as set.
int listColumnCount(const QAbstractItemModel& list);
int listRowCount(const QAbstractItemModel& list);
QString listHeaderText(const QAbstractItemModel& list, int column);
QString listCellText(const QAbstractItemModel& list, int row, int column);
bool listRowIsSet(const QAbstractItemModel& list, int row);

// Length in characters as a reader counts them: a surrogate pair (an emoji, say) is one character.
qsizetype characterCount(QStringView text);

// One cell of an aligned line: the text, blanks up to width characters, and a tab.
void appendAlignedCell(QString& line, const QString& text, qsizetype width);

// One width per column: the longest text of the column over every row, set or not, and over the
// header texts when asked. letEventsRun is called once per row when given.
template <typename LetEventsRun>
QList<qsizetype> listColumnWidths(const QAbstractItemModel& list, bool countHeaders, LetEventsRun&& letEventsRun)
{
    const int columns = listColumnCount(list);
    const int rows = listRowCount(list);
    QList<qsizetype> widths(columns, 0);
    if (countHeaders) {
        for (int column = 0; column < columns; ++column)
            widths[column] = characterCount(listHeaderText(list, column));
    }
    for (int row = 0; row < rows; ++row) {
        letEventsRun();
        for (int column = 0; column < columns; ++column)
            widths[column] = std::max(widths[column], characterCount(listCellText(list, row, column)));
    }
    return widths;
}

} // namespace cardisto
