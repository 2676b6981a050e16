// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpreadsheetExport.h"

#include "ListColumns.h"

#include <QAbstractItemModel>

namespace cardisto {

ErrorLocation spreadsheetErrorLocation()
{
    return ErrorLocation::velmora(QStringLiteral("Form1"), QStringLiteral("PushButton12_Click"));
}

bool exportListToWorkbook(const QAbstractItemModel& list, const QString& path, ErrorReporter& reporter,
                          const std::function<void()>& letEventsRun, qsizetype* changedCells)
{
    return exportListToWorkbook(list, path, reporter, letEventsRun, kSheetDataRows, changedCells);
}

bool exportListToWorkbook(const QAbstractItemModel& list, const QString& path, ErrorReporter& reporter,
                          const std::function<void()>& letEventsRun, qsizetype dataRowsPerSheet,
                          qsizetype* changedCells)
{
    Guard guard(reporter, spreadsheetErrorLocation());
    XlsxWorkbook workbook(dataRowsPerSheet);
    const int columns = listColumnCount(list);
    auto writeHeader = [&] {
        for (int column = 0; column < columns; ++column)
            workbook.writeCell(1, column + 1, listHeaderText(list, column));
    };
    auto writeRows = [&] {
        const int rows = listRowCount(list);
        for (int row = 0; row < rows; ++row) {
            if (letEventsRun)
                letEventsRun();
            if (!listRowIsSet(list, row))
                continue; // its sheet row stays empty
            for (int column = 0; column < columns; ++column)
                workbook.writeCell(qsizetype(row) + 2, column + 1, listCellText(list, row, column));
        }
    };
    // Stops at the first failure: one report, and the caller does not go on as if it had worked.
    const bool written = guard(kSpreadsheetNew, [&] { workbook.newWorkbook(path); }) &&
                         guard(kSpreadsheetHeader, writeHeader) && guard(kSpreadsheetRows, writeRows) &&
                         guard(kSpreadsheetFit, [&] { workbook.fitColumns(); }) &&
                         guard(kSpreadsheetSave, [&] { workbook.save(); });
    if (changedCells)
        *changedCells = workbook.changedCells();
    return written;
}

} // namespace cardisto
