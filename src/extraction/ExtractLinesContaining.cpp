#include "ExtractionCommands.h"
#include "ExtractionRun.h"
#include "LineFilter.h"
#include "ResultsModel.h"

namespace cardisto {

using namespace extraction;

namespace {

// The two commands differ only in their text box and the sense of the filter.
void extractFilteredLines(ExtractionHost& host, const QString& procedure, ExtractionText box, LineFilterSense sense)
{
    if (host.extractionRunning())
        return;
    host.setExtractionRunning(true);
    Guard guard(host.errorReporter(), ErrorLocation::velmora(QStringLiteral("Form1"), procedure));
    bool noText = false;
    bool noFiles = false;
    guard(100, [&] { noText = host.extractionText(box).isEmpty(); });
    if (noText) {
        guard(102, [&] { host.showMessage(fillOutTextMessage()); });
    } else {
        guard(104, [&] { noFiles = host.inputCount() == 0; });
        if (noFiles) {
            guard(106, [&] { host.showMessage(noFilesAddedMessage()); });
        } else {
            guard(108, [&] { host.results().removeAllRows(); });
            guard(110, [&] { rebuildResultHeaders(host); });
            // The filter text is read afresh for every line: an edit during the run applies from the next line.
            extractLinesOfEveryFile(host, guard, {112, 114, 116, 118, 120}, PercentStyle::Rounded,
                                    [&](qsizetype, QStringView line) {
                                        return qsizetype(LineFilterKeeps(sense, line, host.extractionText(box)));
                                    });
            guard(122, [&] { resetProgress(host); });
        }
    }
    host.setExtractionRunning(false);
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
