// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "extraction/ResultsModel.h"

#include <QStringList>

namespace cardisto::test {

// Every row of the results list, those not yet shown by views included, as "text" or, for a row
// with a sub-item, "text|sub-item".
inline QStringList resultRows(const ResultsModel& model)
{
    QStringList rows;
    for (qsizetype row = 0; row < model.totalRowCount(); ++row)
        rows.append(model.hasSubItem(row) ? model.rowText(row) + u'|' + model.subItemText(row) : model.rowText(row));
    return rows;
}

// Column 1 of every row, those not yet shown by views included.
inline QStringList resultTexts(const ResultsModel& model)
{
    QStringList texts;
    for (qsizetype row = 0; row < model.totalRowCount(); ++row)
        texts.append(model.rowText(row));
    return texts;
}

} // namespace cardisto::test
