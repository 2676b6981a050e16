// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHashFunctions>
#include <QList>
#include <QString>

namespace cardisto {

// One name of a folder listing, with what the listing (or, for a link, the link's target) says it is.
struct DirectoryEntry {
    enum class Kind {
        File,       // a regular file that can be opened by its path, directly or through a link
        Folder,     // a real sub-folder
        FolderLink, // a symbolic link to a folder: never walked, it may lead back up the tree
        Other,      // pipes, sockets, devices, broken links, files behind a folder without search permission
    };
    QString name;
    Kind kind = Kind::Other;
    quint32 attributes = 0; // the Windows file attributes; 0 on other systems, which have none
    bool operator==(const DirectoryEntry&) const = default;
};

// Windows attribute sets the scan refuses (other systems never match them): a folder that is
// exactly directory, system and hidden (22), such as a drive's volume information, is not walked
// (with a reparse point, 1046, it is a link and not walked either); a file that is exactly archive
// and hidden (34) is not taken.
inline constexpr quint32 kRefusedFolderAttributes = 0x16;
inline constexpr quint32 kRefusedFileAttributes = 0x22;

// Tells one folder from another whatever path leads to it (device and inode where there are any).
struct FolderIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    bool known = false;
    bool operator==(const FolderIdentity&) const = default;
};

inline size_t qHash(const FolderIdentity& identity, size_t seed = 0)
{
    return qHashMulti(seed, identity.device, identity.inode);
}

struct DirectoryListing {
    enum class Outcome {
        Listed,      // every entry was read
        NotListable, // the folder could not be opened for listing (missing, not a folder, no permission)
        Interrupted, // reading stopped part-way; the entries read so far are kept
    };
    Outcome outcome = Outcome::NotListable;
    // Without "." and "..", in the order Windows lists a folder (see FileNameOrder.h).
    QList<DirectoryEntry> entries;
    // Files and folders whose names cannot be written back (see below), named with their
    // undecodable bytes escaped (escapedFileName), in the order they were read.
    QList<DirectoryEntry> unrepresentable;
    FolderIdentity identity;
    // False for a folder whose names can be read but nothing below them opened (no search
    // permission): its files are listed as Other and cannot be read.
    bool searchable = true;
};

// Lists a folder with one pass over its directory entries. Kinds come from the listing itself; a
// name is looked up on its own only when it is a link or the file system does not give its kind.
// Names that cannot be written back to the same bytes of the file system are left out of the
// entries, which become rows of the input list, and kept apart so that the scan can name them.
DirectoryListing listDirectory(const QString& folder);

// True for a folder the walk refuses by its attributes (see kRefusedFolderAttributes), unless it
// is the root of a drive (C:\), which is walked whatever they are. Always false on other systems.
bool hasRefusedFolderAttributes(const QString& folder);

} // namespace cardisto
