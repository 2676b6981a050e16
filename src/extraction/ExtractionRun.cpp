// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtractionRun.h"

#include "ResultsModel.h"
#include "shell/ErrorReport.h"
#include "shell/FileHelpers.h"
#include "shell/ProgressCaption.h"

#include <algorithm>
#include <cmath>

namespace cardisto::extraction {

QString noFilesAddedMessage()
{
    return QStringLiteral("No files added.");
}

QString fillOutTextMessage()
{
    return QStringLiteral("Fill out text to use to extract lines.");
}

QString fillOutMarkersMessage()
{
    return QStringLiteral("Fill out starting text (or character) and fill out ending text (or character).");
}

QString fillOutTextSetMessage()
{
    return QStringLiteral("Fill out combobox text to use to extract lines.");
}

int filePercent(qsizetype fileNumber, qsizetype currentCount, PercentStyle style)
{
    if (currentCount <= 0 || fileNumber >= currentCount)
        return 100;
    const double exact = double(fileNumber) * 100.0 / double(currentCount);
    const double whole = style == PercentStyle::Truncated ? std::floor(exact) : std::nearbyint(exact);
    return int(std::clamp(whole, 0.0, 100.0));
}

void showFileProgress(ExtractionHost& host, qsizetype fileNumber, const QString& path, PercentStyle style)
{
    host.setProgress(filePercent(fileNumber, host.inputCount(), style),
                     QStringLiteral("Processing: ") + FileNameOnly(path));
    host.yieldToUserInterface();
    host.setBusyPointer(true);
}

bool readConvertedFile(ExtractionHost& host, FileConversionWorker& worker, qsizetype index, qsizetype fileCount,
                       const QString& path, ConvertedFile& file)
{
    // The choice is read once per file, now; the files ahead are queued with it too and made
    // again at their turn should the user change it before.
    const ConversionChoice choice = host.conversionChoice();
    worker.startTurn(index, path, choice);
    for (qsizetype ahead = index + 1; ahead <= index + kFilesConvertedAhead && ahead < fileCount; ++ahead) {
        if (!inputRowExists(host, ahead))
            break;
        worker.prefetch(ahead, host.inputEntry(ahead), choice);
    }
    // Short waits, so that the window gets its turns and shows the assembly while a large file converts.
    constexpr std::chrono::milliseconds kWaitSlice{4};
    AssemblyPosition shown;
    while (!worker.waitForTurn(kWaitSlice)) {
        if (host.stopRequested())
            return false;
        const AssemblyPosition reached = worker.turnAssembly();
        if (reached.started() && reached != shown) {
            host.showAssemblyProgress(reached.position, reached.last);
            shown = reached;
        }
        host.yieldWhileWaiting();
    }
    // The conversion ends its assembly on the last value; the host sees that value in any case,
    // after the failures the reading reported.
    const AssemblyPosition reached = worker.turnAssembly();
    file = worker.finishTurn(host.errorReporter());
    if (reached.started() && reached != shown)
        host.showAssemblyProgress(reached.position, reached.last);
    return true;
}

void rebuildResultHeaders(ExtractionHost& host)
{
    host.results().setLayout(ResultsLayoutFor(host.extractionOptions().showSourceFilename));
}

void resetProgress(ExtractionHost& host)
{
    host.setBusyPointer(false);
    host.setProgress(0, restingProgressCaption());
}

bool startRunOverFiles(ExtractionHost& host, Guard& guard, bool textMissing, const QString& fillOutMessage)
{
    if (textMissing) {
        guard(102, [&] { host.showMessage(fillOutMessage); });
        return false;
    }
    bool noFiles = false;
    guard(104, [&] { noFiles = host.inputCount() == 0; });
    if (noFiles) {
        guard(106, [&] { host.showMessage(noFilesAddedMessage()); });
        return false;
    }
    guard(108, [&] { host.results().removeAllRows(); });
    guard(110, [&] { rebuildResultHeaders(host); });
    return true;
}

void hintUpcomingOffer(ExtractionHost& host, QStringView resultText)
{
    host.expectOffer(host.extractionOptions(), resultText);
}

void offerResult(ExtractionHost& host, const QString& sourceEntry, QStringView resultText, qsizetype count)
{
    for (qsizetype k = 0; k < count; ++k)
        host.takeOffer(host.extractionOptions(), sourceEntry, resultText);
}

} // namespace cardisto::extraction

namespace cardisto {

void ExtractionHost::takeOffer(const ExtractionOptions& options, const QString& sourceEntry, QStringView resultText)
{
    OfferResult(results(), options, sourceEntry, resultText);
}

void ExtractionHost::expectOffer(const ExtractionOptions& options, QStringView resultText)
{
    if (options.removeDuplicates)
        results().prefetchLookup(resultText, options.showSourceFilename ? 1 : 0);
}

} // namespace cardisto
