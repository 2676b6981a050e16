// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace cardisto {

class ProgramFolder;

// The optional skin: a Qt style sheet at x/skin.qss in the program folder.
QString skinFilePath(const ProgramFolder& folder);

// With a skin file present, gives the window the standard colours and then the style sheet; true
// when a skin was applied. Without the file nothing changes. A skin file that cannot be read
// throws ProcedureFailure naming the file.
bool ApplySkin(QWidget* window, const ProgramFolder& folder);

} // namespace cardisto
