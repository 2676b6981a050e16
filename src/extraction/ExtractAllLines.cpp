// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtractionCommands.h"
#include "ExtractionRun.h"
#include "ResultsModel.h"

namespace cardisto {

using namespace extraction;

void ExtractAllLines(ExtractionHost& host)
{
    const ExtractionRunFlag run(host);
    if (!run.started())
        return;
    Guard guard(host.errorReporter(),
                ErrorLocation::velmora(QStringLiteral("Form1"), QStringLiteral("PushButton13_Click")));
    bool noFiles = false;
    guard(100, [&] { host.results().removeAllRows(); });
    guard(102, [&] { noFiles = host.inputCount() == 0; });
    if (noFiles) {
        guard(104, [&] { host.showMessage(noFilesAddedMessage()); });
        return;
    }
    guard(106, [&] { rebuildResultHeaders(host); });
    extractLinesOfEveryFile(host, guard, {108, 110, 112, 114}, 116, PercentStyle::Rounded,
                            [](qsizetype, QStringView) { return qsizetype(1); });
    guard(118, [&] { resetProgress(host); });
}

} // namespace cardisto
