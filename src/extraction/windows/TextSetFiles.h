#pragma once

#include <QString>

namespace cardisto {

class Platform;
class TextSetList;

// The title and filter of the open dialog of "Load Multiple Items From Text File".
QString textSetFileDialogTitle();  // "Add File(s) - Hold Ctrl to select multiple files"
QString textSetFileDialogFilter(); // "All Files (*.*)|*.*|"

// Appends every line of the text file that holds more than blanks, untrimmed and in file order.
// An absent file shows "File not found" and adds nothing. A file that cannot be read throws
// ProcedureFailure and adds nothing.
void LoadComboFromFile(TextSetList& list, const QString& path, Platform& platform);

} // namespace cardisto
