#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>

namespace cardisto::test {

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
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

// Targets that cannot be written even by root, where folder permissions would not stop a write:
// "plain-file/NAME" (a folder part that is a file) and "folder" (a target that is a folder).
inline void makeUnwritableTargets(const QString& folder)
{
    writeFile(folder + QStringLiteral("/plain-file"), "kept");
    QVERIFY(QDir(folder).mkdir(QStringLiteral("folder")));
}

} // namespace cardisto::test
