// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <sys/stat.h>
#include <unistd.h>

namespace cardisto::test {

// Builds a folder tree below root from a short description, one entry per text:
//   "a/b/"          a folder (parents are made as needed)
//   "a/x.vcf"       a small vCard file
//   "a/up -> .."    a symbolic link to the given target
//   "a/pipe.vcf|"   a named pipe
// Returns false when something could not be made.
inline bool makeFolderTree(const QString& root, const QStringList& entries)
{
    QDir dir(root);
    for (const QString& entry : entries) {
        if (const qsizetype arrow = entry.indexOf(QStringLiteral(" -> ")); arrow >= 0) {
            const QString link = root + u'/' + entry.left(arrow);
            if (!dir.mkpath(QFileInfo(link).path()))
                return false;
            if (::symlink(QFile::encodeName(entry.mid(arrow + 4)).constData(), QFile::encodeName(link).constData()))
                return false;
        } else if (entry.endsWith(u'/')) {
            if (!dir.mkpath(entry))
                return false;
        } else if (entry.endsWith(u'|')) {
            const QString pipe = root + u'/' + entry.chopped(1);
            if (!dir.mkpath(QFileInfo(pipe).path()) || ::mkfifo(QFile::encodeName(pipe).constData(), 0600))
                return false;
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

// The paths below root, as the scan writes them.
inline QStringList pathsBelow(const QString& root, const QStringList& relative)
{
    QStringList paths;
    for (const QString& name : relative)
        paths.append(root + u'/' + name);
    return paths;
}

// Permission tests mean nothing to the superuser, who may read every folder.
inline bool permissionsAreEnforced()
{
    return ::geteuid() != 0;
}

} // namespace cardisto::test
