// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QAbstractItemModel;

namespace cardisto {

class Platform;
class ResultsOutputHost;

// Where failures of the copy are reported: Form1.PushButton18_Click, at its one statement.
inline constexpr int kCopyStatement = 100;

QString copyingCaption();           // "Copying text to clipboard.. please wait.."
QString copiedToClipboardMessage(); // "Results have been copied to the clipboard." CR CR "Click a text area ..."

// Puts the list on the clipboard as aligned lines (CopyListviewToClipboardText), emptying the
// clipboard first; a list without rows leaves the clipboard alone. letEventsRun is called once per
// row. Throws ProcedureFailure when the clipboard stays busy through every attempt.
void CopyListviewToClipboard(const QAbstractItemModel& list, Platform& platform,
                             const std::function<void()>& letEventsRun = {});

// "Copy Results To Clipboard": copies the results list under the hourglass with the progress bar's
// caption saying so, then says that the results were copied. A failure shows the error box of
// Form1.PushButton18_Click instead of that message. Returns whether the copy got through.
bool CopyResultsToClipboard(ResultsOutputHost& host);

} // namespace cardisto
