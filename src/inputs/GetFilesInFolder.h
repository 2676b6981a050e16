// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DirectoryListing.h"

#include <QString>
#include <QStringList>

namespace cardisto {

// The names (without folder) of the files in a folder that match the pattern, hidden ones
// included, in the order Windows lists them; no folders. A name is kept only when the file exists
// as FileExistsOnDisk means it. A folder that cannot be listed has no files.
QStringList GetFilesInFolder(const QString& folder, const QString& pattern);

// The same for a listing already made of the folder.
QStringList filesInListing(const QString& folder, const QList<DirectoryEntry>& entries, const QString& pattern);

// The folder with exactly one separator at its end (a root stays the root).
QString withTrailingSeparator(const QString& folder);

} // namespace cardisto
