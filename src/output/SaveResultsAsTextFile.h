// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ErrorReport.h"

#include <QString>

namespace cardisto {

class ResultsOutputHost;

// The save dialog of "Save Results As Text File".
QString saveTextFileDialogTitle();  // "Save"
QString saveTextFileDialogFilter(); // "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"

// The question asked before an existing file is replaced.
QString overwriteQuestion(const QString& name);

class Guard;
class Platform;

// The first two steps of a save to a file the user names: the save dialog (statement 100), then,
// for a file that is there already, whether to replace it (statement 102). Empty when the user
// cancelled or refused, or a step failed (reported by the guard).
QString chooseFileToWrite(Guard& guard, Platform& platform, const QString& title, const QString& filter);

// Where failures of the command itself are reported: Form1.PushButton6_Click.
ErrorLocation saveTextFileErrorLocation();

// "Save Results As Text File": asks for a file name (used exactly as typed, no extension added),
// asks before replacing an existing file, then writes the results list as an aligned text file
// under the hourglass with the progress bar running, and says "Done." once the file is written.
// A failure is reported once by the writer; an existing file then stays as it was and "Done." is
// not shown. Any other failure (of the dialog, the question or the box) goes to the command's own
// error box, and the command then stops where that leaves it. Returns whether a file was written.
bool SaveResultsAsTextFile(ResultsOutputHost& host);

} // namespace cardisto
