#include "SaveResultsAsTextFile.h"

#include "AlignedTextFile.h"
#include "ListChangeWatch.h"
#include "ResultsOutputHost.h"
#include "shell/FileHelpers.h"
#include "shell/platform/Platform.h"

namespace cardisto {

QString saveTextFileDialogTitle()
{
    return QStringLiteral("Save");
}

QString saveTextFileDialogFilter()
{
    return QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|");
}

QString overwriteQuestion(const QString& name)
{
    return QStringLiteral("Are you sure you wish to overwrite ") + name + QStringLiteral(" ?");
}

bool SaveResultsAsTextFile(ResultsOutputHost& host)
{
    Platform& platform = host.platform();
    const QString name = platform.chooseSaveFileName(saveTextFileDialogTitle(), saveTextFileDialogFilter());
    if (name.isEmpty())
        return false; // cancelled
    if (FileIsPresent(name) && !platform.askYesNo(overwriteQuestion(name)))
        return false;

    BusyPointer busy(host);
    const QAbstractItemModel& list = host.resultsList();
    ListChangeWatch progress(list, host);
    const bool written = SaveListviewProperlySpaced(list, name, host.errorReporter(), &progress);
    busy.release();
    if (written)
        platform.showMessage(QStringLiteral("Done."));
    return written;
}

} // namespace cardisto
