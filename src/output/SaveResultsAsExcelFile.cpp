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

QString spreadsheetMissingMessage()
{
    return QStringLiteral("Excel is not installed on this computer. You need to have it installed to use this "
                          "software without error.");
}

QString spreadsheetMissingFeatureMessage()
{
    return QStringLiteral("Excel is not installed on this computer. You need to have it installed to use this "
                          "feature.");
}

bool SaveResultsAsExcelFileIsExcelInstalled(Platform& platform)
{
    if (platform.hasSpreadsheetApplication())
        return true;
    platform.showMessage(spreadsheetMissingMessage());
    return false;
}

QString SaveResultsAsExcelFile(ResultsOutputHost& host)
{
    Platform& platform = host.platform();
    if (!SaveResultsAsExcelFileIsExcelInstalled(platform)) {
        platform.showMessage(spreadsheetMissingFeatureMessage());
        return {};
    }
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
    if (!exportListToWorkbook(list, path, host.errorReporter(), [&progress] { progress.letEventsRun(); })) {
        QFile::remove(path); // the empty file that claimed the name
        return {};
    }
    busy.release();
    guard(kSpreadsheetShow, [&] {
        if (!platform.openSpreadsheet(path))
            throw ProcedureFailure(
                QStringLiteral("The spreadsheet program could not be started. The workbook is saved as %1").arg(path));
    });
    return path;
}

} // namespace cardisto
