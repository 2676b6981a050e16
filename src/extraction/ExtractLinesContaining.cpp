// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtractionCommands.h"
#include "ExtractionRun.h"
#include "LineFilter.h"

namespace cardisto {

using namespace extraction;

namespace {

// The two commands differ only in their text box and the sense of the filter.
void extractFilteredLines(ExtractionHost& host, const QString& procedure, ExtractionText box, LineFilterSense sense)
{
    const ExtractionRunFlag run(host);
    if (!run.started())
        return;
    Guard guard(host.errorReporter(), ErrorLocation::velmora(QStringLiteral("Form1"), procedure));
    bool noText = false;
    guard(100, [&] { noText = host.extractionText(box).isEmpty(); });
    if (!startRunOverFiles(host, guard, noText, fillOutTextMessage()))
        return;
    // The filter text is read afresh for every line: an edit during the run applies from the next line.
    extractLinesOfEveryFile(
        host, guard, {112, 114, 116, 118}, 120, PercentStyle::Rounded,
        [&](qsizetype, QStringView line) { return qsizetype(LineFilterKeeps(sense, line, host.extractionText(box))); });
    guard(122, [&] { resetProgress(host); });
}

} // namespace

void ExtractLinesContaining(ExtractionHost& host)
{
    extractFilteredLines(host, QStringLiteral("PushButton2_Click"), ExtractionText::ContainingText,
                         LineFilterSense::Containing);
}

void ExtractLinesNotContaining(ExtractionHost& host)
{
    extractFilteredLines(host, QStringLiteral("PushButton8_Click"), ExtractionText::NotContainingText,
                         LineFilterSense::NotContaining);
}

} // namespace cardisto
