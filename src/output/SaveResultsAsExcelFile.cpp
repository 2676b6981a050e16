// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveResultsAsExcelFile.h"

#include "ListChangeWatch.h"
#include "ListColumns.h"
#include "ResultsOutputHost.h"
#include "SpreadsheetExport.h"
#include "WorkbookTarget.h"
#include "shell/ErrorReport.h"
#include "shell/platform/Platform.h"

#include <QFile>

namespace cardisto {

QString workbookSavedMessage(const QString& path, bool opened, qsizetype changedCells, const QString& what)
{
    QString text = QStringLiteral("The ") + what + QStringLiteral(" are saved as ") + path + QStringLiteral(".");
    if (opened)
        text += QStringLiteral("\r\rThe workbook is now open in the spreadsheet application.");
    else
        text += QStringLiteral("\r\rNo spreadsheet application was found to open it.");
    if (changedCells == 1)
        text += QStringLiteral("\r\r1 cell had to be changed to fit the workbook: ");
    else if (changedCells > 1)
        text += QStringLiteral("\r\r%L1 cells had to be changed to fit the workbook: ").arg(changedCells);
    if (changedCells > 0)
        text += QStringLiteral("texts longer than 32,767 characters were cut and control characters left out.");
    return text;
}

QString workbookOpenedNote(const QString& path, qsizetype changedCells, const QString& what)
{
    return workbookSavedMessage(path, true, changedCells, what).replace(QStringLiteral("\r\r"), QStringLiteral(" "));
}

QString SaveResultsAsExcelFile(ResultsOutputHost& host)
{
    Platform& platform = host.platform();
    const QAbstractItemModel& list = host.resultsList();
    if (listRowCount(list) == 0)
        return {};

    BusyPointer busy(host);
    Guard guard(host.errorReporter(), spreadsheetErrorLocation());
    QString path;
    // Claiming the file's name is the first step of a new workbook, and fails as one.
    if (!guard(kSpreadsheetNew, [&] { path = claimNewWorkbookFile(host.workbookFolder()); }))
        return {};
    ListChangeWatch progress(list, host);
    qsizetype changedCells = 0;
    if (!exportListToWorkbook(list, path, host.errorReporter(), [&progress] { progress.letEventsRun(); },
                              &changedCells)) {
        QFile::remove(path); // the empty file that claimed the name
        return {};
    }
    busy.release();
    // The status bar says it was opened: the workbook in front says it louder than a box could.
    showSavedWorkbook(platform, guard, path, changedCells, QStringLiteral("results"),
                      [&host, &path, changedCells](const QString&) {
                          host.showStatusNote(workbookOpenedNote(path, changedCells));
                      });
    return path;
}

void showSavedWorkbook(Platform& platform, Guard& guard, const QString& path, qsizetype changedCells,
                       const QString& what, const std::function<void(const QString& saved)>& sayOpened)
{
    // The workbook is written either way; the spreadsheet application only shows it.
    if (!platform.hasSpreadsheetApplication()) {
        platform.showMessage(workbookSavedMessage(path, false, changedCells, what));
        return;
    }
    guard(kSpreadsheetShow, [&] {
        if (!platform.openSpreadsheet(path))
            throw ProcedureFailure(
                QStringLiteral("The spreadsheet program could not be started. The workbook is saved as %1").arg(path));
        sayOpened(workbookSavedMessage(path, true, changedCells, what));
    });
}

} // namespace cardisto
