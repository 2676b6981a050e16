// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace cardisto {

// The type of the workbooks the program exports.
inline constexpr char kWorkbookMimeType[] = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

// The program that opens exported workbooks on this desktop: the desktop's default program for
// workbooks when one is registered, otherwise a spreadsheet program found on the search path.
struct SpreadsheetApplication {
    enum class Kind {
        DesktopDefault, // opened the way the desktop opens a double-clicked workbook
        Program,        // started directly with the workbook as its argument
    };
    Kind kind;
    QString name; // the desktop entry (on Windows the program) of the default, or the program's full path
};

// The spreadsheet programs looked for on the search path, in order of preference.
QStringList knownSpreadsheetPrograms();

// Looks for a spreadsheet program: asks xdg-mime (on Windows the `.xlsx` file association) for the
// default program of workbooks, then searches the path for the known programs. Never fails: a
// probe that cannot run counts as no answer.
std::optional<SpreadsheetApplication> findSpreadsheetApplication();

} // namespace cardisto
