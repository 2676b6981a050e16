#pragma once

#include "ConvertedLines.h"
#include "shell/ErrorReport.h"

namespace cardisto::extraction {

template <typename OffersFor>
void extractLinesOfEveryFile(ExtractionHost& host, Guard& guard, const FileLoopStatements& statements,
                             PercentStyle percentStyle, OffersFor&& offersFor)
{
    qsizetype fileCount = 0;
    guard(statements.takeCount, [&] { fileCount = host.inputCount(); });
    for (qsizetype i = 0; i < fileCount; ++i) {
        QString path;
        // A row removed during the run is not there to read; the rows after it moved up.
        if (!guard(statements.takeEntry, [&] { path = inputEntryAt(host, i); }))
            continue;
        guard(statements.startFile, [&] { showFileProgress(host, i + 1, path, percentStyle); });
        QString text;
        guard(statements.readFile, [&] { text = readConvertedText(host, path); });
        const QList<QStringView> lines = ConvertedLines(text);
        for (qsizetype j = 0; j < lines.size(); ++j) {
            guard(statements.handleLine, [&] {
                host.yieldToUserInterface();
                const qsizetype offers = offersFor(j + 1, lines[j]);
                if (offers > 0)
                    offerResult(host, path, lines[j].toString(), offers);
            });
        }
    }
}

} // namespace cardisto::extraction
