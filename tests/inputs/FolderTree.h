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
#endif

namespace cardisto::test {

// Builds a folder tree below root from a short description, one entry per text:
//   "a/b/"          a folder (parents are made as needed)
//   "a/x.vcf"       a small vCard file
//   "a/up -> .."    a symbolic link to the given target
//   "a/pipe.vcf|"   a named pipe
// Links and pipes are Unix file types: on Windows a tree that holds one is not made (see
// needsUnixFileTypes). Returns false when something could not be made.
inline bool makeFolderTree(const QString& root, const QStringList& entries)
{
    QDir dir(root);
    for (const QString& entry : entries) {
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

// Permission tests mean nothing to the superuser, who may read every folder, nor on Windows,
// where permission bits do not decide who may list a folder.
inline bool permissionsAreEnforced()
{
#ifdef Q_OS_UNIX
    return ::geteuid() != 0;
#else
    return false;
#endif
}

} // namespace cardisto::test
