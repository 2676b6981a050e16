// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace cardisto {

// One column header of the results list; widths are in twips, the windows' layout unit.
struct ResultsColumn {
    QString header;
    int widthTwips = 0;
    bool operator==(const ResultsColumn&) const = default;
};

// The header layouts of the results list: the one it starts with, and the two a run builds for
// "Show source filename next to extracted text" off and on.
enum class ResultsLayout { StartUp, ResultsOnly, WithSourceFilename };

QList<ResultsColumn> ResultsColumnsFor(ResultsLayout layout);

// The layout a run builds for the state of "Show source filename next to extracted text".
inline ResultsLayout ResultsLayoutFor(bool showSourceFilename)
{
    return showSourceFilename ? ResultsLayout::WithSourceFilename : ResultsLayout::ResultsOnly;
}

} // namespace cardisto
