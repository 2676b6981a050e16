// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cardisto {

class Guard;
class Platform;
class ResultsOutputHost;

// The statement of "Save Results As Excel File" that opens the finished workbook; the export's
// own statements come before it (SpreadsheetStatement).
inline constexpr int kSpreadsheetShow = 110;

// The box after a workbook was written: where it is, whether the spreadsheet application opened it
// (or none was found), and how many cells had to be cut or cleaned, when any. what names what was
// saved: "The results are saved as ...".
QString workbookSavedMessage(const QString& path, bool opened, qsizetype changedCells,
                             const QString& what = QStringLiteral("results"));

// Opens a workbook that was written at path with the desktop's spreadsheet program, and says so in
// workbookSavedMessage's words. A program that cannot be started is a failure of statement
// kSpreadsheetShow under the guard; without a spreadsheet program the box says there is none.
void showSavedWorkbook(Platform& platform, Guard& guard, const QString& path, qsizetype changedCells,
                       const QString& what);

// "Save Results As Excel File": writes the results list to a new workbook (a text cell per result,
// the header row, fitted columns) in the window's workbook folder, then opens it with the desktop's
// spreadsheet program, where the user goes on with it; one box names the file either way. With an
// empty list it does nothing. A failure is reported once in the error box of
// Form1.PushButton12_Click; a workbook that could not be written is neither kept nor opened.
// Returns the path of the workbook written, empty when none was.
QString SaveResultsAsExcelFile(ResultsOutputHost& host);

} // namespace cardisto
