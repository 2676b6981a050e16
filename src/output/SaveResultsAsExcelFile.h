#pragma once

#include <QString>

namespace cardisto {

class Platform;
class ResultsOutputHost;

// The statement of "Save Results As Excel File" that opens the finished workbook; the export's
// own statements come before it (SpreadsheetStatement).
inline constexpr int kSpreadsheetShow = 110;

// The two messages shown when the desktop has no spreadsheet program: the test's own, then the
// command's.
QString spreadsheetMissingMessage();        // "... to use this software without error."
QString spreadsheetMissingFeatureMessage(); // "... to use this feature."

// Whether the desktop has a spreadsheet program to open workbooks with. Says so in a box when it
// has none.
bool SaveResultsAsExcelFileIsExcelInstalled(Platform& platform);

// "Save Results As Excel File": writes the results list to a new workbook (a text cell per result,
// the header row, fitted columns) in the window's workbook folder and opens it with the desktop's
// spreadsheet program, where the user goes on with it. Without a spreadsheet program it shows the
// two messages; with an empty list it does nothing. A failure is reported once in the error box of
// Form1.PushButton12_Click; a workbook that could not be written is neither kept nor opened.
// Returns the path of the workbook written, empty when none was.
QString SaveResultsAsExcelFile(ResultsOutputHost& host);

} // namespace cardisto
