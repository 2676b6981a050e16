// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkbookTarget.h"

#include "shell/ErrorReport.h"
#include "shell/FileHelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace cardisto {

namespace {

// Enough for any number of exports within one second; past that something else is wrong.
constexpr int kNameAttempts = 1000;

QString workbookName(const QString& start, const QDateTime& now, int attempt)
{
    QString name = start + u' ' + now.toString(QStringLiteral("yyyy-MM-dd hh-mm-ss"));
    if (attempt > 1)
        name += QStringLiteral(" (%1)").arg(attempt);
    return name + QStringLiteral(".xlsx");
}

} // namespace

QString defaultWorkbookFolder()
{
    // Qt names these folders with /; the workbook's path is shown to the user, with \ on Windows.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return QDir::toNativeSeparators(documents);
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::TempLocation));
}

QString claimNewWorkbookFile(const QString& folder, const QDateTime& now, const QString& name)
{
    QString problem;
    for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
        const QString path = joinFolderAndName(folder, workbookName(name, now, attempt));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        // Only a taken name is worth another try; anything else fails the same way every time.
        if (!FileIsPresent(path))
            throw ProcedureFailure(QStringLiteral("Cannot create %1: %2").arg(path, file.errorString()));
        problem = file.errorString();
    }
    throw ProcedureFailure(QStringLiteral("Cannot find a free name for a new workbook in %1: %2").arg(folder, problem));
}

} // namespace cardisto
