// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveResultsAsTextFile.h"

#include "AlignedTextFile.h"
#include "ListChangeWatch.h"
#include "ResultsOutputHost.h"
#include "shell/ErrorReport.h"
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

ErrorLocation saveTextFileErrorLocation()
{
    return ErrorLocation::velmora(QStringLiteral("Form1"), QStringLiteral("PushButton6_Click"));
}

QString chooseFileToWrite(Guard& guard, Platform& platform, const QString& title, const QString& filter)
{
    QString name;
    guard(100, [&] { name = platform.chooseSaveFileName(title, filter); });
    if (name.isEmpty())
        return {}; // cancelled
    bool replace = true;
    if (!guard(102, [&] { replace = !FileIsPresent(name) || platform.askYesNo(overwriteQuestion(name)); }) || !replace)
        return {};
    return name;
}

bool SaveResultsAsTextFile(ResultsOutputHost& host)
{
    Guard guard(host.errorReporter(), saveTextFileErrorLocation());
    Platform& platform = host.platform();
    const QString name = chooseFileToWrite(guard, platform, saveTextFileDialogTitle(), saveTextFileDialogFilter());
    if (name.isEmpty())
        return false;

    bool written = false;
    guard(104, [&] {
        BusyPointer busy(host);
        const QAbstractItemModel& list = host.resultsList();
        ListChangeWatch progress(list, host);
        written = SaveListviewProperlySpaced(list, name, host.errorReporter(), &progress);
    });
    if (written)
        guard(106, [&] { platform.showMessage(QStringLiteral("Done.")); });
    return written;
}

} // namespace cardisto
