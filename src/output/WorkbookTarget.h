// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

namespace cardisto {

// Where exported workbooks go: the user's documents folder, or the temporary folder when there is
// none (or it is not a folder).
QString defaultWorkbookFolder();

// Creates a new, empty file in folder under a name no other file there has, and returns its path:
// "Cardisto Results 2024-03-05 14-07-09.xlsx" (or another name before the date), with " (2)",
// " (3)" ... added when that is taken. Creating the file claims the name, so two exports never
// write to one file; the export then replaces it. Throws ProcedureFailure when no file can be
// created there.
QString claimNewWorkbookFile(const QString& folder, const QDateTime& now = QDateTime::currentDateTime(),
                             const QString& name = QStringLiteral("Cardisto Results"));

} // namespace cardisto
