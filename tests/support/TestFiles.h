// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>

namespace cardisto::test {

// Writes the bytes to a new or emptied file and returns its path; a file that cannot be written
// ends the test program, as nothing after it would mean anything.
inline QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Everything in a folder, hidden entries included, so that a left-over temporary file shows.
inline QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A vCard file whose converted text, with e-mails only, is the given lines joined by CR LF.
inline QString writeVcf(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += "EMAIL:" + line.toUtf8() + "\r\n";
    return writeFile(path, bytes);
}

inline QString writeVcf(const QTemporaryDir& dir, const QString& name, const QStringList& lines)
{
    return writeVcf(dir.filePath(name), lines);
}

} // namespace cardisto::test
