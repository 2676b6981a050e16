// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliMessages.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#ifdef Q_OS_UNIX
#include <dirent.h>
#include <unistd.h>
#endif

namespace cardisto {

namespace {

// "in Velmora2021/08/31.Extract1.ReadVCFAllFields " gives "Extract1.ReadVCFAllFields".
QString procedureName(const ErrorLocation& location)
{
    return location.text().section(u'.', 1).trimmed();
}

} // namespace

void writeCliMessage(QIODevice& err, const QString& context, const QString& description)
{
    QString line = QStringLiteral("cardisto-cli: ") + context + QStringLiteral(": ") + description;
    // One line each, whatever the description holds.
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\r', u' ').replace(u'\n', u' ');
    err.write((line + u'\n').toUtf8());
}

QString unlistableFolderReason(const QString& folder)
{
#ifdef Q_OS_UNIX
    // A folder that lists but cannot be entered fails the search permission instead.
    const QByteArray name = QFile::encodeName(folder);
    errno = 0;
    if (DIR* dir = ::opendir(name.constData())) {
        ::closedir(dir);
        errno = 0;
        if (::access(name.constData(), X_OK) != 0 && errno != 0)
            return QString::fromLocal8Bit(std::strerror(errno));
    } else if (errno != 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
#else
    Q_UNUSED(folder);
#endif
    return QStringLiteral("cannot be listed");
}

void CliErrorReporter::reportApplicationError(const ErrorLocation& location, int line, const QString& description)
{
    ++m_reports;
    for (const auto& [quiet, quietLine] : std::as_const(m_countOnly)) {
        if (quiet == location && quietLine == line)
            return;
    }
    const QString context =
        m_context.isEmpty() ? procedureName(location) + QStringLiteral(" at line ") + QString::number(line) : m_context;
    writeCliMessage(m_err, context, shown(description));
}

void CliErrorReporter::noteUnlistableFolder(const QString& folder)
{
    ++m_reports;
    QString path = folder;
    // Shown as a folder is usually named: without the separator the walk adds, except for a root.
    if (path.size() > 1 && (path.endsWith(u'/') || path.endsWith(u'\\')))
        path.chop(1);
    writeCliMessage(m_err, shown(path), unlistableFolderReason(folder));
}

} // namespace cardisto
