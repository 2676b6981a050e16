// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QString>
#include <optional>

namespace cardisto {

class ProgramFolder;

// The pointer files the program looks for in its folder.
QString handPointerFileName(); // "HAND-M.CUR"
QString dragPointerFileName(); // "drag.ico"

// The pointer over the main window's buttons: HAND-M.CUR, or the desktop's pointing hand when the
// file is missing or unreadable.
QCursor loadHandPointer(const ProgramFolder& folder);

// The pointer of a row drag in the input list: drag.ico; no value when the file is missing or
// unreadable, and the list's pointer is then left as it is.
std::optional<QCursor> loadDragPointer(const ProgramFolder& folder);

} // namespace cardisto
