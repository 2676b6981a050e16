// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ResultsModel.h"
#include "shell/ErrorReport.h"

namespace cardisto::extraction {

// How many lines ahead the duplicate lookup of a line is hinted: its table slot at the far
// distance, the text in that slot at the near one.
inline constexpr qsizetype kPrefetchDistance = 8;
inline constexpr qsizetype kNearPrefetchDistance = 4;

inline FileReading workerReading(FileParts parts)
{
    switch (parts) {
    case FileParts::Text:
        return FileReading::Text;
    case FileParts::TextAndLines:
        return FileReading::Lines;
    case FileParts::Contacts:
        return FileReading::Contacts;
    case FileParts::ContactCounts:
        return FileReading::ContactCounts;
    }
    return FileReading::Text;
}

template <typename WithFile>
void forEveryInputFile(ExtractionHost& host, Guard& guard, const FileLoopStatements& statements,
                       PercentStyle percentStyle, FileParts parts, WithFile&& withFile)
{
    qsizetype fileCount = 0;
    guard(statements.takeCount, [&] { fileCount = host.inputCount(); });
    FileConversionWorker worker(workerReading(parts), host.conversionPieceBytes());
    qsizetype finished = 0;
    bool stoppedInFile = false;
    for (qsizetype i = 0; i < fileCount && !host.stopRequested(); ++i) {
        // The user may remove input rows while the run yields; rows past the end are not there to read.
        if (!inputRowExists(host, i))
            break;
        QString path;
        guard(statements.takeEntry, [&] { path = host.inputEntry(i); });
        guard(statements.startFile, [&] { showFileProgress(host, i + 1, path, percentStyle); });
        if (host.stopRequested())
            break;
        ConvertedFile file;
        bool stopped = false;
        guard(statements.readFile, [&] { stopped = !readConvertedFile(host, worker, i, fileCount, path, file); });
        if (stopped)
            break;
        withFile(path, file);
        // The lines of a piece are offered while the worker converts the next.
        bool more = parts != FileParts::Text;
        while (more && !host.stopRequested()) {
            guard(statements.readFile, [&] {
                more = false; // a failure ends the file
                more = readNextPiece(host, worker, file);
            });
            if (more)
                withFile(path, file);
        }
        // Pieces still to come: the stop came in the middle of the file.
        if (more) {
            stoppedInFile = true;
            break;
        }
        ++finished;
    }
    if (host.stopRequested() && (stoppedInFile || finished < fileCount))
        host.noteRunStopped({finished, fileCount, stoppedInFile});
}

template <typename OffersFor>
void extractLinesOfEveryFile(ExtractionHost& host, Guard& guard, const FileLoopStatements& statements, int handleLine,
                             PercentStyle percentStyle, OffersFor&& offersFor)
{
    const auto offerLines = [&](const QString& path, const ConvertedFile& file) {
        const QList<QStringView>& lines = file.lines;
        const auto hashedLine = [&file](qsizetype j) { return HashedText{file.lines[j], file.lineHashes[j]}; };
        for (qsizetype j = 0; j < lines.size(); ++j) {
            bool stop = false;
            guard(handleLine, [&] {
                host.yieldBeforeLine();
                stop = host.stopRequested();
                if (stop)
                    return;
                if (j + kPrefetchDistance < lines.size())
                    hintUpcomingOffer(host, hashedLine(j + kPrefetchDistance), LookupDistance::Far);
                if (j + kNearPrefetchDistance < lines.size())
                    hintUpcomingOffer(host, hashedLine(j + kNearPrefetchDistance), LookupDistance::Near);
                const qsizetype offers = offersFor(file.linesBefore + j + 1, lines[j]);
                if (offers > 0)
                    offerResult(host, path, hashedLine(j), offers);
            });
            if (stop)
                return;
        }
    };
    forEveryInputFile(host, guard, statements, percentStyle, FileParts::TextAndLines, offerLines);
}

} // namespace cardisto::extraction
