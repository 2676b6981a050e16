// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorReport.h"

#include "AppInfo.h"

#include <QIODevice>

#include <cstdio>

namespace cardisto {

namespace {
QString locationText(const QString& prefix, const QString& module, const QString& procedure)
{
    return QStringLiteral("in ") + prefix + QStringLiteral("2021/08/31.") + module + u'.' + procedure + u' ';
}
} // namespace

ErrorLocation ErrorLocation::velmora(const QString& module, const QString& procedure)
{
    return ErrorLocation(locationText(QStringLiteral("Velmora"), module, procedure));
}

ErrorLocation ErrorLocation::quorvel(const QString& module, const QString& procedure)
{
    return ErrorLocation(locationText(QStringLiteral("Quorvel"), module, procedure));
}

QString errorBoxCaption()
{
    return QStringLiteral("Application Error");
}

QString errorBoxText(const QString& description, const ErrorLocation& location, int line)
{
    return description + QStringLiteral("\r\n") + location.text() + QStringLiteral("at line ") + QString::number(line) +
           QStringLiteral("\r\rPlease email screenshot of this message to ") + supportAddress();
}

void StreamErrorReporter::reportApplicationError(const ErrorLocation& location, int line, const QString& description)
{
    ++m_reports;
    QString text = errorBoxText(description, location, line);
    // A terminal shows lone carriage returns as overwrites; give each piece its own line.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QByteArray bytes = (errorBoxCaption() + QStringLiteral(": ") + text + u'\n').toUtf8();
    if (m_device) {
        m_device->write(bytes);
        return;
    }
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

void Guard::report(int line, const QString& description)
{
    m_reporter.reportApplicationError(m_location, line, description);
}

void Guard::report(int line, const ProcedureFailure& failure)
{
    if (failure.refusedFile().isEmpty())
        report(line, failure.description());
    else
        m_reporter.reportRefusedFile(m_location, line, failure.description(), failure.refusedFile());
}

} // namespace cardisto
