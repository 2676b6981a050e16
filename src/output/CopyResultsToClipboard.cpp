// SPDX-License-Identifier: GPL-3.0-or-later
#include "CopyResultsToClipboard.h"

#include "ClipboardText.h"
#include "ListChangeWatch.h"
#include "ResultsOutputHost.h"
#include "shell/ErrorReport.h"
#include "shell/ProgressCaption.h"
#include "shell/platform/ClipboardRetry.h"
#include "shell/platform/Platform.h"

namespace cardisto {

namespace {

ErrorLocation copyErrorLocation()
{
    return ErrorLocation::velmora(QStringLiteral("Form1"), QStringLiteral("PushButton18_Click"));
}

} // namespace

QString copyingCaption()
{
    return QStringLiteral("Copying text to clipboard.. please wait..");
}

QString copiedToClipboardMessage()
{
    return QStringLiteral("Results have been copied to the clipboard.\r\rClick a text area where you normally type "
                          "and press Ctrl+V to paste the clipboard.");
}

void CopyListviewToClipboard(const QAbstractItemModel& list, Platform& platform,
                             const std::function<void()>& letEventsRun)
{
    const std::optional<QString> text = CopyListviewToClipboardText(list, letEventsRun);
    if (!text)
        return;
    ClearClipboardRetrying(platform);
    // Saying the results were copied when they were not would have the user paste stale text.
    if (!SetClipboardTextRetrying(platform, *text))
        throw ProcedureFailure(QStringLiteral("The clipboard is in use by another program. Please try again."));
}

bool CopyResultsToClipboard(ResultsOutputHost& host)
{
    host.setProgressCaption(copyingCaption());
    BusyPointer busy(host);
    const QAbstractItemModel& list = host.resultsList();
    ListChangeWatch progress(list, host);
    Guard guard(host.errorReporter(), copyErrorLocation());
    const bool copied = guard(kCopyStatement, [&] {
        CopyListviewToClipboard(list, host.platform(), [&progress] { progress.letEventsRun(); });
    });
    busy.release();
    if (copied)
        host.platform().showMessage(copiedToClipboardMessage());
    host.setProgressCaption(restingProgressCaption());
    return copied;
}

} // namespace cardisto
