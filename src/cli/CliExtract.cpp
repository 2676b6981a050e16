#include "CliExtract.h"

#include "CliApplication.h"
#include "CliExtractArguments.h"
#include "CliExtractionHost.h"
#include "extraction/ExtractionCommands.h"
#include "inputs/FilePattern.h"
#include "inputs/FolderScan.h"
#include "inputs/PathListFile.h"
#include "output/AlignedTextFile.h"
#include "output/SpreadsheetExport.h"
#include "shell/ErrorReport.h"
#include "shell/FileHelpers.h"
#include "shell/platform/FileSelection.h"

#include <optional>

namespace cardisto {

namespace {

void writeLine(QIODevice& device, const QString& text)
{
    device.write((text + u'\n').toUtf8());
}

// The input list in command-line order: file INPUTs as given, the vCard files of folder INPUTs, and
// the rows of each list file exactly as read. A missing file or list file stops with a message.
std::optional<QStringList> collectInputEntries(const QList<CliInputSource>& sources, QIODevice& err,
                                               ErrorReporter& walkReporter)
{
    QStringList entries;
    for (const CliInputSource& source : sources) {
        const bool input = source.kind == CliInputSource::Kind::Input;
        if (input && IsFolder(source.path).value_or(false)) {
            // As "Add All VCF Files In Folder": the vCard files of the whole tree, level by level.
            entries.append(scanFolderTree(source.path, vcfFilePattern(), walkReporter).paths);
            continue;
        }
        if (!FileIsPresent(source.path)) {
            writeLine(err, source.path + QStringLiteral(": ") + fileNotFoundMessage());
            return std::nullopt;
        }
        if (input) {
            entries.append(source.path);
            continue;
        }
        try {
            entries.append(readPathListFile(source.path));
        } catch (const ProcedureFailure& failure) {
            writeLine(err, failure.description());
            return std::nullopt;
        }
    }
    return entries;
}

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

} // namespace

void writeResultLines(const ResultsModel& results, QIODevice& out)
{
    // Encoded and written in large pieces: a run can list millions of rows.
    constexpr qsizetype kChunk = 1 << 20;
    QString chunk;
    chunk.reserve(kChunk + 1024);
    for (qsizetype row = 0; row < results.totalRowCount(); ++row) {
        chunk += results.rowText(row);
        if (results.hasSubItem(row))
            chunk += u'\t' + results.subItemText(row);
        chunk += u'\n';
        if (chunk.size() >= kChunk) {
            out.write(chunk.toUtf8());
            chunk.clear();
        }
    }
    if (!chunk.isEmpty())
        out.write(chunk.toUtf8());
}

int runExtractCommand(const QStringList& arguments, QIODevice& out, QIODevice& err)
{
    const CliExtractParse parsed = parseExtractArguments(arguments.mid(2));
    if (!parsed.request) {
        writeLine(err, parsed.error + QStringLiteral("\n\n") + extractUsageText());
        return kCliUsage;
    }
    const CliExtractRequest& request = *parsed.request;
    if (request.help) {
        out.write(extractUsageText().toUtf8());
        return kCliOk;
    }
    StreamErrorReporter walkReporter(&err);
    std::optional<QStringList> entries = collectInputEntries(request.inputs, err, walkReporter);
    if (!entries)
        return kCliUsage;

    CliExtractionHost host(request, std::move(*entries), err);
    runExtraction(request.extraction, host);
    if (host.messageCount() > 0)
        return kCliUsage;
    host.results().commitPendingRows();
    bool written = true;
    if (request.outFile.isEmpty())
        writeResultLines(host.results(), out);
    else
        written = writeResultFile(host.results(), request.outFile, host.errorReporter());
    const bool reported = host.errorCount() > 0 || walkReporter.reportCount() > 0;
    return reported || !written ? kCliReportedError : kCliOk;
}

} // namespace cardisto
