// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunReport.h"

#include "ExtractionHost.h"

namespace cardisto {

namespace {

// More names than fit a box on a small screen are counted instead.
constexpr qsizetype kNamedRefusedFiles = 20;

} // namespace

QString stoppedRunText(const StoppedRun& stop)
{
    if (stop.inFile)
        return QStringLiteral("Stopped in file %L1 of %L2").arg(stop.filesFinished + 1).arg(stop.fileCount);
    return QStringLiteral("Stopped after %L1 of %L2 files").arg(stop.filesFinished).arg(stop.fileCount);
}

QString linesDecodingReadsOtherwiseText(qsizetype lines)
{
    return QStringLiteral("%L1 %2 folded, quoted-printable or grouped (item1.EMAIL) and read as written: tick \"%3\" "
                          "to read them")
        .arg(lines)
        .arg(lines == 1 ? QStringLiteral("line was") : QStringLiteral("lines were"), decodeOptionCaption());
}

QString refusedFilesMessage(const QStringList& paths)
{
    QString text = paths.size() == 1
                       ? QStringLiteral("This file was not read: it is not a vCard file (it holds binary data).\r")
                       : QStringLiteral("These %L1 files were not read: they are not vCard files (they hold binary "
                                        "data).\r")
                             .arg(paths.size());
    for (const QString& path : paths.first(std::min(paths.size(), kNamedRefusedFiles)))
        text += u'\r' + path;
    if (paths.size() > kNamedRefusedFiles)
        text += QStringLiteral("\rand %L1 more").arg(paths.size() - kNamedRefusedFiles);
    return text;
}

void RunReport::start(ExtractionHost& host)
{
    m_stopped.reset();
    m_linesDecodingReadsOtherwise = 0;
    m_reporter.refused.clear();
    m_reporter.running = true;
    host.showStatusNote({});
}

ErrorReporter& RunReport::reporter(ErrorReporter& window)
{
    m_reporter.window = &window;
    return m_reporter;
}

void RunReport::finish(ExtractionHost& host)
{
    m_reporter.running = false;
    QStringList notes;
    if (m_stopped) {
        host.setProgress(0, stoppedRunText(*m_stopped));
        notes.append(stoppedRunText(*m_stopped));
    }
    if (m_linesDecodingReadsOtherwise > 0)
        notes.append(linesDecodingReadsOtherwiseText(m_linesDecodingReadsOtherwise));
    if (!notes.isEmpty())
        host.showStatusNote(notes.join(QStringLiteral("; ")));
    if (!m_reporter.refused.isEmpty())
        host.showMessage(refusedFilesMessage(m_reporter.refused));
}

void RunReport::NotingReporter::reportRefusedFile(const ErrorLocation& location, int line, const QString& description,
                                                  const QString& path)
{
    if (running)
        refused.append(path);
    else
        window->reportRefusedFile(location, line, description, path);
}

} // namespace cardisto
