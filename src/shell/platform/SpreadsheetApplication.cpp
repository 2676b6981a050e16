// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpreadsheetApplication.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shlwapi.h>
#include <vector>
#endif

namespace cardisto {

namespace {

#ifdef Q_OS_WIN

// The program Windows starts for a double-clicked workbook: the `.xlsx` file association, as the
// user or the machine registered it. Empty when there is none; the "Open With" box Windows offers
// for unknown types does not count.
QString defaultWorkbookProgram()
{
    const auto flags = static_cast<ASSOCF>(ASSOCF_INIT_IGNOREUNKNOWN | ASSOCF_NOTRUNCATE);
    DWORD length = 0;
    if (AssocQueryStringW(flags, ASSOCSTR_EXECUTABLE, L".xlsx", nullptr, nullptr, &length) != S_FALSE || length == 0)
        return {};
    std::vector<wchar_t> path(length);
    if (AssocQueryStringW(flags, ASSOCSTR_EXECUTABLE, L".xlsx", nullptr, path.data(), &length) != S_OK)
        return {};
    return QString::fromWCharArray(path.data()).trimmed();
}

#else

// xdg-mime is a shell script that reads a few configuration files; a probe that hangs must not
// hold the window for long.
constexpr int kProbeMilliseconds = 5000;

// The desktop entry xdg-mime names as the default program for workbooks; empty when there is none
// or xdg-mime cannot be run.
QString defaultWorkbookProgram()
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return {};
    QProcess probe;
    probe.setProcessChannelMode(QProcess::SeparateChannels);
    probe.setStandardInputFile(QProcess::nullDevice());
    probe.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), QString::fromLatin1(kWorkbookMimeType)});
    if (!probe.waitForFinished(kProbeMilliseconds)) {
        probe.kill();
        probe.waitForFinished(kProbeMilliseconds);
        return {};
    }
    if (probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed();
}

#endif

} // namespace

QStringList knownSpreadsheetPrograms()
{
    return {QStringLiteral("localc"), QStringLiteral("libreoffice"), QStringLiteral("soffice"),
            QStringLiteral("gnumeric")};
}

std::optional<SpreadsheetApplication> findSpreadsheetApplication()
{
    const QString desktopDefault = defaultWorkbookProgram();
    if (!desktopDefault.isEmpty())
        return SpreadsheetApplication{SpreadsheetApplication::Kind::DesktopDefault, desktopDefault};
    for (const QString& program : knownSpreadsheetPrograms()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return SpreadsheetApplication{SpreadsheetApplication::Kind::Program, path};
    }
    return std::nullopt;
}

} // namespace cardisto
