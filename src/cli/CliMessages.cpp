// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliMessages.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

namespace cardisto {

namespace {

// "in Velmora2021/08/31.Extract1.ReadVCFAllFields " gives "Extract1.ReadVCFAllFields".
QString procedureName(const ErrorLocation& location)
{
    return location.text().section(u'.', 1).trimmed();
}

// The length of the valid UTF-8 sequence at `at`, or 0.
qsizetype utf8SequenceLength(const QByteArray& bytes, qsizetype at)
{
    const auto lead = static_cast<unsigned char>(bytes.at(at));
    qsizetype length = lead < 0x80                   ? 1
                       : lead >= 0xc2 && lead < 0xe0 ? 2
                       : lead >= 0xe0 && lead < 0xf0 ? 3
                       : lead >= 0xf0 && lead < 0xf5 ? 4
                                                     : 0;
    if (length == 0 || at + length > bytes.size())
        return 0;
    const QString decoded = QString::fromUtf8(bytes.mid(at, length));
    return decoded.contains(QChar::ReplacementCharacter) ? 0 : length;
}

} // namespace

void writeCliMessage(QIODevice& err, const QString& context, const QString& description)
{
    QString line = QStringLiteral("cardisto-cli: ") + context + QStringLiteral(": ") + description;
    // One line each, whatever the description holds.
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\r', u' ').replace(u'\n', u' ');
    err.write((line + u'\n').toUtf8());
}

QString escapedName(const QByteArray& bytes)
{
    QString shown;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = utf8SequenceLength(bytes, at);
        if (length > 0) {
            shown += QString::fromUtf8(bytes.mid(at, length));
            at += length;
        } else {
            shown += QStringLiteral("\\x%1").arg(static_cast<unsigned char>(bytes.at(at)), 2, 16, QChar(u'0'));
            ++at;
        }
    }
    return shown;
}

QString unlistableFolderReason(const QString& folder)
{
#ifdef Q_OS_UNIX
    errno = 0;
    if (DIR* dir = ::opendir(QFile::encodeName(folder).constData())) {
        ::closedir(dir);
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
