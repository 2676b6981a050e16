// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DirectoryListing.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace cardisto {

class ErrorReporter;

// Lets pending window events run during a long walk. Called before every folder and every
// sub-folder examined, so it must be cheap when there is nothing to do.
using YieldHook = std::function<void()>;
// True once the walk should end at once (the program is closing); asked before every folder.
using StopCheck = std::function<bool()>;

// One folder of a walk's result.
struct WalkedFolder {
    QString path; // ends in one folder separator
    bool listed = false;
    QList<DirectoryEntry> entries; // the walk's listing of the folder, when listed
    QList<DirectoryEntry> unrepresentable; // files and sub-folders left out for their names
    bool enterable = true; // false when listed but its files cannot be opened (no search permission)
};

// The breadth-first folder walk of the module AddFolder. Each folder is listed once; the listing
// gives both its sub-folders and, kept with the folder, its files, so a scan needs no second pass.
//
// Rules: a starting folder is kept even when it is no folder or too long a path to list (it then
// simply holds nothing). A sub-folder is taken when its name passes HasUnsafeCharacters and holds
// no "?", when its path fits the platform's path limit, and when it is a real folder: a symbolic
// link to a folder is not followed. A folder that cannot be listed is dropped without a message (the
// reporter's noteUnlistableFolder hears of it), as is a folder reached a second time through another
// path (a bind mount of a parent). A folder that can be listed but not entered is kept, marked not
// enterable, and the reporter hears of it too: its files are lost to the scan. A listing that breaks off part-way keeps what it read. Unexpected
// failures go to the reporter under the location of GetSubDirectories2016, and the walk goes on with
// the next folder.
class FolderWalk {
public:
    explicit FolderWalk(ErrorReporter& reporter, YieldHook yield = {}, StopCheck stop = {});

    // The starting folders (each ending in a separator), then all their sub-folders, then the
    // sub-folders of those, and so on; under one parent in listing order. With recursive false,
    // one level below the starting folders, which are then the only folders listed. A walk asked
    // to stop returns the folders it has so far.
    QList<WalkedFolder> walk(const QStringList& startFolders, bool recursive);

    // Directory listings made so far.
    qint64 listingCount() const { return m_listings; }

private:
    ErrorReporter& m_reporter;
    YieldHook m_yield;
    StopCheck m_stop;
    qint64 m_listings = 0;
};

// Whether the walk takes a sub-folder of this name.
bool isWalkableFolderName(const QString& name);

// The walk as the folder scan's procedure: appends to the folder list every sub-folder below the
// folders already in it (all levels when recursive) and removes the folders that cannot be listed.
void GetSubDirectories2016(QStringList& folderList, bool recursive, ErrorReporter& reporter,
                           const YieldHook& yield = {});

} // namespace cardisto
