// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderWalk.h"

#include "HasUnsafeCharacters.h"
#include "PathLimit.h"
#include "shell/ErrorReport.h"
#include "shell/FileHelpers.h"

#include <QSet>

namespace cardisto {

namespace {

ErrorLocation walkLocation()
{
    return ErrorLocation::quorvel(QStringLiteral("AddFolder"), QStringLiteral("GetSubDirectories2016"));
}

// A folder to walk, not listed yet.
WalkedFolder folderToWalk(QString path)
{
    WalkedFolder folder;
    folder.path = std::move(path);
    return folder;
}

} // namespace

FolderWalk::FolderWalk(ErrorReporter& reporter, YieldHook yield, StopCheck stop)
    : m_reporter(reporter), m_yield(std::move(yield)), m_stop(std::move(stop))
{}

bool isWalkableFolderName(const QString& name)
{
    // HasUnsafeCharacters refuses "?" too.
    return !name.isEmpty() && name != u"." && name != u".." && !HasUnsafeCharacters(name);
}

QList<WalkedFolder> FolderWalk::walk(const QStringList& startFolders, bool recursive)
{
    Guard guard(m_reporter, walkLocation());
    const QChar separator = nativeSeparator();
    QList<WalkedFolder> result;
    QSet<FolderIdentity> seen;

    QList<WalkedFolder> level;
    for (const QString& folder : startFolders)
        level.append(folderToWalk(folder));
    bool startLevel = true;
    while (!level.isEmpty()) {
        QList<WalkedFolder> next;
        for (WalkedFolder& folder : level) {
            if (m_stop && m_stop())
                return result;
            bool keep = true;
            guard(100, [&] {
                // Starting folders are as the caller gave them; deeper ones come from a listing
                // and are checked by listing them, without a separate look-up.
                if (startLevel && (!IsFolder(folder.path).value_or(false) || !fitsPathLimit(folder.path) ||
                                   hasRefusedFolderAttributes(folder.path)))
                    return;
                if (m_yield)
                    m_yield();
                DirectoryListing listing = listDirectory(folder.path);
                ++m_listings;
                if (listing.outcome == DirectoryListing::Outcome::NotListable)
                    m_reporter.noteUnlistableFolder(folder.path);
                if (listing.outcome == DirectoryListing::Outcome::NotListable ||
                    (listing.identity.known && seen.contains(listing.identity))) {
                    keep = false;
                    return;
                }
                if (listing.identity.known)
                    seen.insert(listing.identity);
                folder.listed = true;
                folder.enterable = listing.searchable;
                if (!listing.searchable)
                    m_reporter.noteUnlistableFolder(folder.path);
                folder.entries = std::move(listing.entries);
                folder.unrepresentable = std::move(listing.unrepresentable);
                for (const DirectoryEntry& entry : std::as_const(folder.entries)) {
                    if (entry.kind != DirectoryEntry::Kind::Folder)
                        continue;
                    if (m_yield)
                        m_yield();
                    if (!isWalkableFolderName(entry.name))
                        continue;
                    QString path = folder.path + entry.name + separator;
                    if (fitsPathLimit(path))
                        next.append(folderToWalk(std::move(path)));
                }
            });
            if (keep)
                guard(102, [&] { result.append(std::move(folder)); });
        }
        startLevel = false;
        if (!recursive) {
            // One level: the sub-folders are named but not listed.
            result.append(next);
            break;
        }
        level = std::move(next);
    }
    return result;
}

void GetSubDirectories2016(QStringList& folderList, bool recursive, ErrorReporter& reporter, const YieldHook& yield)
{
    FolderWalk walk(reporter, yield);
    const QList<WalkedFolder> folders = walk.walk(folderList, recursive);
    folderList.clear();
    for (const WalkedFolder& folder : folders)
        folderList.append(folder.path);
}

} // namespace cardisto
