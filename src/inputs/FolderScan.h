// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FolderWalk.h"

#include <QString>
#include <QStringList>

namespace cardisto {

class ErrorReporter;
class InputFileList;

struct FolderScanResult {
    QStringList paths;       // the files to append, in order
    qint64 folderCount = 0;  // folders in the walk's result
    qint64 listingCount = 0; // directory listings made
    // Files that match the pattern and folders that were left out because their names are not
    // valid text: the folder's path and the name with its undecodable bytes escaped.
    QStringList unrepresentable;
    // Folders that could be listed but not opened (no search permission): their files are not
    // among the paths. Named without the separator the walk adds.
    QStringList unopenedFolders;
};

// The files of a whole folder tree that match the pattern: the folder's own files first, then
// those of its sub-folders level by level (see FolderWalk), each folder's files in listing order.
// Names beginning with "~" (office lock and backup files) are skipped. Paths are the folder joined
// with the name, doubled separators collapsed, so a root folder gives one separator. A scan told to
// stop (the program is closing) gives no files.
FolderScanResult scanFolderTree(const QString& folder, const QString& pattern, ErrorReporter& reporter,
                                const YieldHook& yield = {}, const StopCheck& stop = {});

// The folder-drop operation: appends every file of the dropped folder's tree, of any type, and
// returns the scan's result.
FolderScanResult addDroppedFolder(InputFileList& list, const QString& folder, ErrorReporter& reporter,
                                  const YieldHook& yield = {}, const StopCheck& stop = {});

// The one message that names what a scan left out; empty when it left out nothing.
QString unrepresentableNamesMessage(const QStringList& names);
// The one message that names the folders a scan could not open; empty when there were none.
QString unopenedFoldersMessage(const QStringList& folders);

} // namespace cardisto
