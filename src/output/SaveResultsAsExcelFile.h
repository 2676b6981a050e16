// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

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
// The same on one line, for a status bar, once the spreadsheet application has opened it.
QString workbookOpenedNote(const QString& path, qsizetype changedCells, const QString& what = QStringLiteral("results"));

// Opens a workbook that was written at path with the desktop's spreadsheet program and hands
// sayOpened the text that says so. A program that cannot be started is a failure of statement
// kSpreadsheetShow under the guard; without a spreadsheet program a box says there is none.
void showSavedWorkbook(Platform& platform, Guard& guard, const QString& path, qsizetype changedCells,
                       const QString& what, const std::function<void(const QString& saved)>& sayOpened);

// "Save Results As Excel File": writes the results list to a new workbook (a text cell per result,
// the header row, fitted columns) in the window's workbook folder, then opens it with the desktop's
// spreadsheet program, where the user goes on with it. The file is named in the status bar once
// the program opened it (a box could open behind the program's window), in a box when there is
// no program to open it. With an
// empty list it does nothing. A failure is reported once in the error box of
// Form1.PushButton12_Click; a workbook that could not be written is neither kept nor opened.
// Returns the path of the workbook written, empty when none was.
QString SaveResultsAsExcelFile(ResultsOutputHost& host);

} // namespace cardisto
