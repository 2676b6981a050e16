// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "XlsxWorkbook.h"
#include "shell/ErrorReport.h"

#include <QString>
#include <functional>

class QAbstractItemModel;

namespace cardisto {

// Where failures of the spreadsheet export are reported: Form1.PushButton12_Click.
ErrorLocation spreadsheetErrorLocation();

// The numbered statements of the export, as the error box names them.
enum SpreadsheetStatement {
    kSpreadsheetNew = 100,
    kSpreadsheetHeader = 102,
    kSpreadsheetRows = 104,
    kSpreadsheetFit = 106,
    kSpreadsheetSave = 108,
};

// Writes a list to an .xlsx workbook at path: the header texts in row 1, then list row r in sheet
// row r + 1, all cells as text exactly as listed ("=" included); a row that is not set leaves its
// sheet row empty. Columns are fitted to their longest text. A failure is reported once, with the
// number of the failing statement, and an existing file at path is then left as it was; returns
// false then. letEventsRun is called once per row when given. changedCells, when given, receives
// how many cells had to be cut or cleaned to fit the format (XlsxWorkbook::changedCells()).
bool exportListToWorkbook(const QAbstractItemModel& list, const QString& path, ErrorReporter& reporter,
                          const std::function<void()>& letEventsRun = {}, qsizetype* changedCells = nullptr);

// The same with a chosen number of data rows per sheet, so that the sheet split can be tried on a
// short list.
bool exportListToWorkbook(const QAbstractItemModel& list, const QString& path, ErrorReporter& reporter,
                          const std::function<void()>& letEventsRun, qsizetype dataRowsPerSheet,
                          qsizetype* changedCells = nullptr);

} // namespace cardisto
