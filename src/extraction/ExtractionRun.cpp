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

namespace {

void showAssembly(ExtractionHost& host, FileConversionWorker& worker)
{
    if (const std::optional<AssemblyPosition> reached = worker.assemblyToShow())
        host.showAssemblyProgress(reached->position, reached->last);
}

// Waits for the next piece of the file of the turn, or its end. Short waits, so that the window
// gets its turns and shows the assembly while a large file converts. False when the host asked the
// run to stop meanwhile.
bool waitForPiece(ExtractionHost& host, FileConversionWorker& worker)
{
    constexpr std::chrono::milliseconds kWaitSlice{4};
    while (!worker.waitForPiece(kWaitSlice)) {
        if (host.stopRequested())
            return false;
        showAssembly(host, worker);
        host.yieldWhileWaiting();
    }
    return true;
}

// The next piece, after the failures the conversion reported before it. The conversion ends its
// assembly on the last value before the last piece; the host sees that value in any case.
std::optional<ConvertedFile> takePiece(ExtractionHost& host, FileConversionWorker& worker)
{
    std::optional<ConvertedFile> piece = worker.takePiece(host.errorReporter());
    showAssembly(host, worker);
    if (piece && piece->linesDecodingReadsOtherwise > 0)
        host.noteLinesDecodingReadsOtherwise(piece->linesDecodingReadsOtherwise);
    return piece;
}

} // namespace

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
    if (!waitForPiece(host, worker))
        return false;
    // A file whose conversion failed outright has no piece: it is read as empty.
    file = takePiece(host, worker).value_or(ConvertedFile());
    return true;
}

bool readNextPiece(ExtractionHost& host, FileConversionWorker& worker, ConvertedFile& piece)
{
    if (!waitForPiece(host, worker))
        return false;
    std::optional<ConvertedFile> next = takePiece(host, worker);
    if (!next)
        return false;
    piece = std::move(*next);
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

void hintUpcomingOffer(ExtractionHost& host, HashedText resultText, LookupDistance distance)
{
    host.expectOffer(host.extractionOptions(), resultText, distance);
}

void offerResult(ExtractionHost& host, const QString& sourceEntry, HashedText resultText, qsizetype count)
{
    for (qsizetype k = 0; k < count; ++k)
        host.takeOffer(host.extractionOptions(), sourceEntry, resultText);
}

void offerResult(ExtractionHost& host, const QString& sourceEntry, QStringView resultText)
{
    offerResult(host, sourceEntry, ResultTextIndex::hashed(resultText), 1);
}

} // namespace cardisto::extraction

namespace cardisto {

qsizetype ExtractionHost::conversionPieceBytes() const
{
    return kConversionPieceBytes;
}

void ExtractionHost::takeOffer(const ExtractionOptions& options, const QString& sourceEntry, HashedText resultText)
{
    OfferResult(results(), options, sourceEntry, resultText);
}

void ExtractionHost::expectOffer(const ExtractionOptions& options, HashedText resultText, LookupDistance distance)
{
    if (options.removeDuplicates)
        results().prefetchLookup(resultText.hash, options.showSourceFilename ? 1 : 0, distance);
}

} // namespace cardisto
