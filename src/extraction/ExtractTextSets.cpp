// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtractionCommands.h"
#include "ExtractionRun.h"
#include "TextSetMatcher.h"

namespace cardisto {

using namespace extraction;

void ExtractTextSets(ExtractionHost& host)
{
    const ExtractionRunFlag run(host);
    if (!run.started())
        return;
    Guard guard(host.errorReporter(),
                ErrorLocation::velmora(QStringLiteral("Form3"), QStringLiteral("PushButton4_Click")));
    bool noFiles = false;
    bool noItems = false;
    guard(100, [&] { noFiles = host.inputCount() == 0; });
    if (noFiles) {
        guard(102, [&] { host.showMessage(noFilesAddedMessage()); });
        return;
    }
    // The rows stay: this command appends to whatever the results list holds.
    guard(104, [&] { rebuildResultHeaders(host); });
    guard(106, [&] { noItems = host.textSetItems().isEmpty(); });
    if (noItems) {
        guard(108, [&] { host.showMessage(fillOutTextSetMessage()); });
    } else {
        // Every item found in a line offers the line once, so the item list is read per line.
        TextSetMatcher matcher;
        extractLinesOfEveryFile(
            host, guard, {110, 112, 114, 116}, 118, PercentStyle::Truncated,
            [&](qsizetype, QStringView line) { return matcher.matchingItemCount(line, host.textSetItems()); });
    }
    guard(120, [&] { resetProgress(host); });
    guard(122, [&] { host.hideToolWindow(); });
}

} // namespace cardisto
