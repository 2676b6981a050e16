// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace cardisto {

class InputFileList;
class Platform;

// The rows of a path list file: a line ends at CR or CR LF, every LF inside a line cuts it again,
// and every piece is a row exactly as read (empty ones too). Throws ProcedureFailure when the file
// cannot be read or is plainly no text, so that an image chosen by mistake adds no rows.
QStringList readPathListFile(const QString& path);

// Appends the rows of a path list file to the list. A missing file shows "File not found" and adds
// nothing; a file that cannot be read throws ProcedureFailure for the caller's guard.
void LoadListFromFile(InputFileList& list, const QString& path, Platform& platform);

} // namespace cardisto
