// SPDX-License-Identifier: GPL-3.0-or-later
#include "GetFilesInFolder.h"

#include "FilePattern.h"
#include "PathLimit.h"
#include "shell/FileHelpers.h"

namespace cardisto {

QString withTrailingSeparator(const QString& folder)
{
    const QChar separator = nativeSeparator();
    qsizetype end = folder.size();
    while (end > 0 && folder[end - 1] == separator)
        --end;
    return folder.left(end) + separator;
}

QStringList filesInListing(const QString& folder, const QList<DirectoryEntry>& entries, const QString& pattern)
{
    const QString prefix = withTrailingSeparator(folder);
    // The listing already told which names are regular files; only the length is left to check.
    const bool shortFolder = fitsPathLimit(prefix + QString(255, u'x'));
    QStringList names;
    names.reserve(100);
    for (const DirectoryEntry& entry : entries) {
        if (entry.kind != DirectoryEntry::Kind::File || !matchesFilePattern(entry.name, pattern))
            continue;
        if (shortFolder || fitsPathLimit(prefix + entry.name))
            names.append(entry.name);
    }
    return names;
}

QStringList GetFilesInFolder(const QString& folder, const QString& pattern)
{
    const QString prefix = withTrailingSeparator(folder);
    if (!fitsPathLimit(prefix))
        return {};
    const DirectoryListing listing = listDirectory(prefix);
    return filesInListing(prefix, listing.entries, pattern);
}

} // namespace cardisto
