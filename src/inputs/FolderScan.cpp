// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderScan.h"

#include "FilePattern.h"
#include "GetFilesInFolder.h"
#include "InputFileList.h"
#include "shell/FileHelpers.h"

#include <QDir>
#include <QSet>

namespace cardisto {

namespace {

// The names of the folder's files that are exactly archive and hidden: the scan does not take them.
QSet<QString> refusedFileNames(const QList<DirectoryEntry>& entries)
{
    QSet<QString> names;
    for (const DirectoryEntry& entry : entries) {
        if (entry.kind == DirectoryEntry::Kind::File && entry.attributes == kRefusedFileAttributes)
            names.insert(entry.name);
    }
    return names;
}

// A folder as the user names it: without the separator the walk adds, except for a root.
QString folderWithoutSeparator(QString path)
{
    if (path.size() > 1 && (path.endsWith(u'/') || path.endsWith(u'\\')) && !path.endsWith(QStringLiteral(":\\")))
        path.chop(1);
    return path;
}

} // namespace

FolderScanResult scanFolderTree(const QString& folder, const QString& pattern, ErrorReporter& reporter,
                                const YieldHook& yield, const StopCheck& stop)
{
    FolderScanResult result;
    if (folder.isEmpty())
        return result;
    FolderWalk walk(reporter, yield, stop);
    // A folder typed with / on Windows gives paths with \ throughout, as one chosen in the browser.
    const QList<WalkedFolder> folders = walk.walk({withTrailingSeparator(QDir::toNativeSeparators(folder))}, true);
    result.folderCount = folders.size();
    result.listingCount = walk.listingCount();
    // A stopped scan ends the program: the files found so far would only be added to a list that
    // is about to go, which on a large tree takes longer than the walk's own stop.
    if (stop && stop())
        return result;
    for (const WalkedFolder& walked : folders) {
        if (!walked.enterable)
            result.unopenedFolders.append(folderWithoutSeparator(CollapseDoubleBackslashes(walked.path)));
        const QStringList names = walked.listed ? filesInListing(walked.path, walked.entries, pattern)
                                                : GetFilesInFolder(walked.path, pattern);
        const QSet<QString> refused = refusedFileNames(walked.entries);
        for (const QString& name : names) {
            if (name.startsWith(u'~') || refused.contains(name))
                continue;
            // Collapsing also mends a chosen folder that was typed with doubled separators.
            result.paths.append(CollapseDoubleBackslashes(walked.path + name));
        }
        for (const DirectoryEntry& entry : walked.unrepresentable) {
            if (entry.kind == DirectoryEntry::Kind::Folder || matchesFilePattern(entry.name, pattern))
                result.unrepresentable.append(CollapseDoubleBackslashes(walked.path + entry.name));
        }
    }
    return result;
}

FolderScanResult addDroppedFolder(InputFileList& list, const QString& folder, ErrorReporter& reporter,
                                  const YieldHook& yield, const StopCheck& stop)
{
    FolderScanResult result = scanFolderTree(folder, allFilesPattern(), reporter, yield, stop);
    list.append(result.paths);
    return result;
}

QString unrepresentableNamesMessage(const QStringList& names)
{
    if (names.isEmpty())
        return {};
    return QStringLiteral("These files and folders were left out, as their names are not valid text:\r") +
           names.join(u'\r');
}

QString unopenedFoldersMessage(const QStringList& folders)
{
    if (folders.isEmpty())
        return {};
    return QStringLiteral("These folders could not be opened, so the files in them were left out:\r") +
           folders.join(u'\r');
}

} // namespace cardisto
