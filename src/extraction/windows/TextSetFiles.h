// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cardisto {

class Platform;
class TextSetList;

// Appends every line of the text file that holds more than blanks, untrimmed and in file order.
// An absent file shows "File not found" and adds nothing. A file that cannot be read throws
// ProcedureFailure and adds nothing.
void LoadComboFromFile(TextSetList& list, const QString& path, Platform& platform);

} // namespace cardisto
