// SPDX-License-Identifier: GPL-3.0-or-later
#include "DirectoryListing.h"

#include "FileNameOrder.h"
#include "shell/FileNameBytes.h"

#include <QFile>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QDir>
#include <QFileInfo>
#include <windows.h>
#endif

namespace cardisto {

namespace {

void sortEntries(QList<DirectoryEntry>& entries)
{
    QList<std::pair<QString, qsizetype>> keyed;
    keyed.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        keyed.append({windowsSortKey(entries[i].name), i});
    std::sort(keyed.begin(), keyed.end(), [&entries](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return entries[a.second].name < entries[b.second].name;
    });
    QList<DirectoryEntry> sorted;
    sorted.reserve(entries.size());
    for (const auto& [key, index] : keyed)
        sorted.append(std::move(entries[index]));
    entries = std::move(sorted);
}

#ifdef Q_OS_UNIX

DirectoryEntry::Kind kindOfTarget(int folderFd, const char* name)
{
    struct stat target;
    if (::fstatat(folderFd, name, &target, 0) != 0)
        return DirectoryEntry::Kind::Other; // a broken link, or no permission to look
    if (S_ISDIR(target.st_mode))
        return DirectoryEntry::Kind::FolderLink;
    return S_ISREG(target.st_mode) ? DirectoryEntry::Kind::File : DirectoryEntry::Kind::Other;
}

DirectoryEntry::Kind kindOf(int folderFd, const dirent& entry)
{
    switch (entry.d_type) {
    case DT_REG:
        return DirectoryEntry::Kind::File;
    case DT_DIR:
        return DirectoryEntry::Kind::Folder;
    case DT_LNK:
        return kindOfTarget(folderFd, entry.d_name);
    case DT_UNKNOWN: {
        struct stat own;
        if (::fstatat(folderFd, entry.d_name, &own, AT_SYMLINK_NOFOLLOW) != 0)
            return DirectoryEntry::Kind::Other;
        if (S_ISLNK(own.st_mode))
            return kindOfTarget(folderFd, entry.d_name);
        if (S_ISDIR(own.st_mode))
            return DirectoryEntry::Kind::Folder;
        return S_ISREG(own.st_mode) ? DirectoryEntry::Kind::File : DirectoryEntry::Kind::Other;
    }
    default:
        return DirectoryEntry::Kind::Other;
    }
}

#endif

} // namespace

DirectoryListing listDirectory(const QString& folder)
{
    DirectoryListing listing;
#ifdef Q_OS_UNIX
    const QByteArray encoded = fileNameBytes(folder);
    if (encoded.isEmpty())
        return listing;
    DIR* dir = ::opendir(encoded.constData());
    if (!dir)
        return listing;
    const int fd = ::dirfd(dir);
    struct stat own;
    if (::fstat(fd, &own) == 0)
        listing.identity = {quint64(own.st_dev), quint64(own.st_ino), true};
    // Without search permission names can be read but nothing below them opened.
    const bool searchable = ::faccessat(fd, ".", X_OK, 0) == 0;
    listing.searchable = searchable;
    listing.outcome = DirectoryListing::Outcome::Listed;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) {
            if (errno != 0)
                listing.outcome = DirectoryListing::Outcome::Interrupted;
            break;
        }
        const char* raw = entry->d_name;
        if (raw[0] == '.' && (raw[1] == '\0' || (raw[1] == '.' && raw[2] == '\0')))
            continue;
        const QByteArray rawName(raw);
        QString name = QFile::decodeName(rawName);
        DirectoryEntry::Kind kind = searchable ? kindOf(fd, *entry) : DirectoryEntry::Kind::Other;
        if (!searchable && entry->d_type == DT_DIR)
            kind = DirectoryEntry::Kind::Folder; // kept, so that the walk drops it as unlistable
        if (QFile::encodeName(name) != rawName) {
            if (kind == DirectoryEntry::Kind::File || kind == DirectoryEntry::Kind::Folder)
                listing.unrepresentable.append({escapedFileName(rawName), kind});
            continue;
        }
        listing.entries.append({std::move(name), kind});
    }
    ::closedir(dir);
#else
    // One pass of FindFirstFileExW gives each name with its attributes, hidden and system ones too.
    QString prefix = QDir::toNativeSeparators(folder);
    if (prefix.isEmpty())
        return listing;
    if (!prefix.endsWith(u'\\'))
        prefix += u'\\';
    QString pattern = prefix + u'*';
    if (pattern.size() >= MAX_PATH && QDir::isAbsolutePath(pattern) && pattern.at(1) == u':')
        pattern.prepend(QStringLiteral("\\\\?\\")); // the pattern alone may pass the limit
    WIN32_FIND_DATAW found;
    const HANDLE find = ::FindFirstFileExW(reinterpret_cast<const wchar_t*>(pattern.utf16()), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        // An empty drive root lists not even "." and "..": it was listed all the same.
        if (::GetLastError() == ERROR_FILE_NOT_FOUND)
            listing.outcome = DirectoryListing::Outcome::Listed;
        return listing;
    }
    listing.outcome = DirectoryListing::Outcome::Listed;
    do {
        QString name = QString::fromWCharArray(found.cFileName);
        if (name == u"." || name == u"..")
            continue;
        const quint32 attributes = found.dwFileAttributes;
        DirectoryEntry::Kind kind = DirectoryEntry::Kind::File;
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
                kind = DirectoryEntry::Kind::FolderLink; // a link or junction, maybe back up the tree
            else
                kind = attributes == kRefusedFolderAttributes ? DirectoryEntry::Kind::Other
                                                              : DirectoryEntry::Kind::Folder;
        } else if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            // A link to a file is taken; a broken one is not.
            kind = QFileInfo(prefix + name).isFile() ? DirectoryEntry::Kind::File : DirectoryEntry::Kind::Other;
        }
        listing.entries.append({std::move(name), kind, attributes});
    } while (::FindNextFileW(find, &found));
    if (::GetLastError() != ERROR_NO_MORE_FILES)
        listing.outcome = DirectoryListing::Outcome::Interrupted;
    ::FindClose(find);
#endif
    sortEntries(listing.entries);
    sortEntries(listing.unrepresentable);
    return listing;
}

bool hasRefusedFolderAttributes(const QString& folder)
{
#ifdef Q_OS_WIN
    const QString path = QDir::toNativeSeparators(folder);
    const bool driveRoot = path.size() <= 3 && path.size() >= 2 && path.at(1) == u':' &&
                           (path.size() == 2 || path.at(2) == u'\\');
    if (driveRoot)
        return false;
    const DWORD attributes = ::GetFileAttributesW(reinterpret_cast<const wchar_t*>(path.utf16()));
    return attributes == kRefusedFolderAttributes ||
           attributes == (kRefusedFolderAttributes | FILE_ATTRIBUTE_REPARSE_POINT);
#else
    Q_UNUSED(folder);
    return false;
#endif
}

} // namespace cardisto
