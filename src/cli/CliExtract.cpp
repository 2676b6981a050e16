// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliExtract.h"

#include "CliApplication.h"
#include "CliExtractArguments.h"
#include "CliExtractionHost.h"
#include "CliHelp.h"
#include "CliInputs.h"
#include "CliMessages.h"
#include "CliOutput.h"
#include "extraction/ExtractionCommands.h"
#include "extraction/LineNumberList.h"
#include "output/AlignedTextFile.h"
#include "output/SpreadsheetExport.h"

namespace cardisto {

namespace {

void runExtraction(CliExtraction extraction, ExtractionHost& host)
{
    switch (extraction) {
    case CliExtraction::AllLines:
        return ExtractAllLines(host);
    case CliExtraction::Containing:
        return ExtractLinesContaining(host);
    case CliExtraction::NotContaining:
        return ExtractLinesNotContaining(host);
    case CliExtraction::LineNumbers:
        return ExtractLinesByNumber(host);
    case CliExtraction::Between:
        return ExtractBetweenMarkers(host);
    case CliExtraction::TextSets:
        return ExtractTextSets(host);
    }
}

// Writes the result file that --out names: the aligned text file for .txt, the workbook for .xlsx.
// Failures are reported through the reporter; returns false after one.
bool writeResultFile(const ResultsModel& results, const QString& path, ErrorReporter& reporter)
{
    if (path.endsWith(u".xlsx", Qt::CaseInsensitive))
        return exportListToWorkbook(results, path, reporter);
    return SaveListviewProperlySpaced(results, path, reporter);
}

// Each piece of the list that is no whole number, as "--line-numbers: piece "x": Type mismatch".
// The run then counts it as the number its text begins with; its own report of the piece (the
// error box of the windows) is only counted.
void reportLineNumberPieces(const QString& listText, QIODevice& err, CliErrorReporter& reporter)
{
    for (const LineNumberPiece& piece : LineNumberPieces(listText)) {
        if (piece.error != NumberTextError::None)
            writeCliMessage(err, QStringLiteral("--line-numbers: piece \"%1\"").arg(piece.text),
                            numberTextErrorDescription(piece.error));
    }
    reporter.countOnly(ErrorLocation::velmora(QStringLiteral("Form1"), QStringLiteral("PushButton7_Click")), 116);
}

// The same words as the windows' note, with the option as the command line names it.
QString linesDecodingReadsOtherwiseNote(qsizetype lines)
{
    return QStringLiteral("%L1 %2 folded, quoted-printable or grouped (item1.EMAIL) and read as written: --decode reads "
                          "them (--quiet keeps this to itself)")
        .arg(lines)
        .arg(lines == 1 ? QStringLiteral("line was") : QStringLiteral("lines were"));
}

} // namespace

int runExtractCommand(const QStringList& arguments, QIODevice& out, QIODevice& err, QIODevice* in,
                      const QList<QByteArray>& rawArguments)
{
    const CliExtractParse parsed = parseExtractArguments(arguments.mid(2), rawArguments.mid(2));
    if (!parsed.request) {
        writeCliMessage(err, QStringLiteral("extract"), parsed.error);
        return kCliUsage;
    }
    const CliExtractRequest& request = *parsed.request;
    if (request.help) {
        CliOutput help(out);
        help.write(helpText(extractHelp()));
        return help.finish(err) ? kCliOk : kCliReportedError;
    }
    CliErrorReporter reporter(err);
    CliInputs inputs(err, reporter, in);
    QStringList entries = inputs.collect(request.inputs);
    // Nothing left to read after reports: the reports say it all, without "No files added.".
    if (entries.isEmpty() && (inputs.anyMissing() || inputs.anyReported() || reporter.reportCount() > 0))
        return inputs.anyMissing() ? kCliUsage : kCliReportedError;
    if (request.extraction == CliExtraction::LineNumbers && !request.text.isEmpty())
        reportLineNumberPieces(request.text, err, reporter);

    // Without a result file the results are written as they are found.
    std::optional<CliOutput> stream;
    if (request.outFile.isEmpty())
        stream.emplace(out);
    CliExtractionHost host(request, std::move(entries), err, reporter, stream ? &*stream : nullptr,
                           [&inputs](const QString& entry) { return inputs.shownName(entry); });
    runExtraction(request.extraction, host);
    bool written = true;
    if (stream) {
        written = stream->finish(err);
    } else if (host.messageCount() == 0) {
        host.results().commitPendingRows();
        reporter.setContext(QStringLiteral("write error"));
        written = writeResultFile(host.results(), request.outFile, reporter);
    }
    // A word after the results, not a failure: the exit status stays what it would be. A run cut
    // short by a reader that went away ends quietly, as ever.
    const bool readerGone = stream && stream->state() == CliOutput::State::ReaderGone;
    if (!request.quiet && !readerGone && host.linesDecodingReadsOtherwise() > 0)
        writeCliMessage(err, QStringLiteral("note"), linesDecodingReadsOtherwiseNote(host.linesDecodingReadsOtherwise()));
    if (host.messageCount() > 0 || inputs.anyMissing())
        return kCliUsage;
    const bool reported = reporter.reportCount() > 0 || inputs.anyReported();
    return reported || !written ? kCliReportedError : kCliOk;
}

} // namespace cardisto
