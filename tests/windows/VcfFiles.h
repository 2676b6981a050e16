#pragma once

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace cardisto::test {

// A vCard file whose converted text, with e-mails only, is the given lines joined by CR LF.
inline QString writeVcf(const QTemporaryDir& dir, const QString& name, const QStringList& lines)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    for (const QString& line : lines)
        file.write(("EMAIL:" + line + "\r\n").toUtf8());
    return path;
}

inline QString writeTextFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
    return path;
}

} // namespace cardisto::test
