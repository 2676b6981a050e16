#pragma once

#include <QString>

namespace cardisto {

class ResultsOutputHost;

// The save dialog of "Save Results As Text File".
QString saveTextFileDialogTitle();  // "Save"
QString saveTextFileDialogFilter(); // "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"

// The question asked before an existing file is replaced.
QString overwriteQuestion(const QString& name);

// "Save Results As Text File": asks for a file name (used exactly as typed, no extension added),
// asks before replacing an existing file, then writes the results list as an aligned text file
// under the hourglass with the progress bar running, and says "Done." once the file is written.
// A failure is reported once by the writer; an existing file then stays as it was and "Done." is
// not shown. Returns whether a file was written.
bool SaveResultsAsTextFile(ResultsOutputHost& host);

} // namespace cardisto
