#pragma once

#include "ConvertedLines.h"
#include "ResultsModel.h"
#include "shell/ErrorReport.h"

namespace cardisto::extraction {

inline constexpr qsizetype kPrefetchDistance = 8;

template <typename WithFile>
void forEveryInputFile(ExtractionHost& host, Guard& guard, const FileLoopStatements& statements,
                       PercentStyle percentStyle, WithFile&& withFile)
{
    qsizetype fileCount = 0;
    guard(statements.takeCount, [&] { fileCount = host.inputCount(); });
    for (qsizetype i = 0; i < fileCount; ++i) {
        // The user may remove input rows while the run yields; rows past the end are not there to read.
        if (!inputRowExists(host, i))
            break;
        QString path;
        guard(statements.takeEntry, [&] { path = host.inputEntry(i); });
        guard(statements.startFile, [&] { showFileProgress(host, i + 1, path, percentStyle); });
        QString text;
        guard(statements.readFile, [&] { text = readConvertedText(host, path); });
        withFile(path, text);
    }
}

template <typename OffersFor>
void extractLinesOfEveryFile(ExtractionHost& host, Guard& guard, const FileLoopStatements& statements, int handleLine,
                             PercentStyle percentStyle, OffersFor&& offersFor)
{
    forEveryInputFile(host, guard, statements, percentStyle, [&](const QString& path, const QString& text) {
        const QList<QStringView> lines = ConvertedLines(text);
        for (qsizetype j = 0; j < lines.size(); ++j) {
            guard(handleLine, [&] {
                host.yieldToUserInterface();
                if (j + kPrefetchDistance < lines.size())
                    hintUpcomingOffer(host, lines[j + kPrefetchDistance]);
                const qsizetype offers = offersFor(j + 1, lines[j]);
                if (offers > 0)
                    offerResult(host, path, lines[j], offers);
            });
        }
    });
}

} // namespace cardisto::extraction
