// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpreadsheetApplication.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace cardisto {

namespace {

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
