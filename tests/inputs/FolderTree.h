// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#else
#include <windows.h>
#endif

namespace cardisto::test {

// Builds a folder tree below root from a short description, one entry per text:
//   "a/b/"          a folder (parents are made as needed)
//   "a/x.vcf"       a small vCard file
//   "a/up -> .."    a symbolic link to the given target
//   "a/pipe.vcf|"   a named pipe
//   "a/h.vcf =AH"   a file or folder given exactly these Windows attributes: A archive, H hidden,
//                   S system, R read-only (none: normal)
// Links and pipes are Unix file types: on Windows a tree that holds one is not made (see
// needsUnixFileTypes); attributes are Windows' and not made elsewhere. Returns false when
// something could not be made.
inline bool makeFolderTree(const QString& root, const QStringList& entries)
{
    QDir dir(root);
    for (QString entry : entries) {
        if (const qsizetype equals = entry.indexOf(QStringLiteral(" =")); equals >= 0) {
#ifdef Q_OS_WIN
            DWORD attributes = 0;
            for (const QChar letter : QStringView(entry).mid(equals + 2))
                attributes |= letter == u'A' ? FILE_ATTRIBUTE_ARCHIVE
                            : letter == u'H' ? FILE_ATTRIBUTE_HIDDEN
                            : letter == u'S' ? FILE_ATTRIBUTE_SYSTEM
                            : letter == u'R' ? FILE_ATTRIBUTE_READONLY
                                             : 0;
            entry.truncate(equals);
            if (!makeFolderTree(root, {entry}))
                return false;
            const QString path = QDir::toNativeSeparators(root + u'/' + entry);
            if (!::SetFileAttributesW(reinterpret_cast<const wchar_t*>(path.utf16()),
                                      attributes ? attributes : FILE_ATTRIBUTE_NORMAL))
                return false;
            continue;
#else
            return false;
#endif
        }
        if (const qsizetype arrow = entry.indexOf(QStringLiteral(" -> ")); arrow >= 0) {
            const QString link = root + u'/' + entry.left(arrow);
            if (!dir.mkpath(QFileInfo(link).path()))
                return false;
#ifdef Q_OS_UNIX
            if (::symlink(QFile::encodeName(entry.mid(arrow + 4)).constData(), QFile::encodeName(link).constData()))
                return false;
#else
            return false;
#endif
        } else if (entry.endsWith(u'/')) {
            if (!dir.mkpath(entry))
                return false;
        } else if (entry.endsWith(u'|')) {
            const QString pipe = root + u'/' + entry.chopped(1);
#ifdef Q_OS_UNIX
            if (!dir.mkpath(QFileInfo(pipe).path()) || ::mkfifo(QFile::encodeName(pipe).constData(), 0600))
                return false;
#else
            return false;
#endif
        } else {
            const QString path = root + u'/' + entry;
            if (!dir.mkpath(QFileInfo(path).path()))
                return false;
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                return false;
            file.write("BEGIN:VCARD\r\nEMAIL:" + QFileInfo(path).fileName().toUtf8() + "\r\nEND:VCARD\r\n");
        }
    }
    return true;
}

// True when the tree holds a symbolic link or a named pipe, which only Unix systems make this way.
inline bool needsUnixFileTypes(const QStringList& entries)
{
    for (const QString& entry : entries) {
        if (entry.contains(QStringLiteral(" -> ")) || entry.endsWith(u'|'))
            return true;
    }
    return false;
}

// True when the tree gives an entry Windows attributes.
inline bool needsWindowsAttributes(const QStringList& entries)
{
    for (const QString& entry : entries) {
        if (entry.contains(QStringLiteral(" =")))
            return true;
    }
    return false;
}

inline constexpr bool kUnixFileTypes =
#ifdef Q_OS_UNIX
    true;
#else
    false;
#endif

// The paths below root, as the scan writes them: with the system's separators.
inline QStringList pathsBelow(const QString& root, const QStringList& relative)
{
    QStringList paths;
    for (const QString& name : relative)
        paths.append(QDir::toNativeSeparators(root + u'/' + name));
    return paths;
}

} // namespace cardisto::test
