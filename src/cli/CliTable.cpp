// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliTable.h"

#include "CliApplication.h"
#include "CliHelp.h"
#include "CliInputs.h"
#include "CliMessages.h"
#include "CliOutput.h"
#include "CliTableArguments.h"
#include "CliTableHost.h"
#include "conversion/ContactColumns.h"
#include "conversion/ContactFileReading.h"
#include "extraction/ContactDuplicates.h"
#include "extraction/ExtractionRun.h"
#include "output/ContactWorkbook.h"
#include "output/DelimitedTableText.h"
#include "output/FileReplacement.h"
#include "output/JsonLinesTableText.h"

#include <QThread>
#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace cardisto {

namespace {

// How much table text gathers before it is written.
constexpr qsizetype kOutputPiece = 64 * 1024;

ErrorLocation tableRunLocation()
{
    return ErrorLocation::velmora(QStringLiteral("ContactsTable"), QStringLiteral("WriteTable"));
}

// The failures of the pass over the files that only counts: the pass that writes reports them.
// Called from the counting threads: it keeps nothing.
class SilentReporter final : public ErrorReporter {
public:
    void reportApplicationError(const ErrorLocation&, int, const QString&) override {}
};

// A failure to write the workbook, in the front end's words: "cardisto-cli: write error: REASON".
class WriteErrorReporter final : public ErrorReporter {
public:
    explicit WriteErrorReporter(QIODevice& err) : m_err(err) {}
    void reportApplicationError(const ErrorLocation&, int, const QString& description) override
    {
        writeCliMessage(m_err, QStringLiteral("write error"), description);
    }

private:
    QIODevice& m_err;
};

template <typename Each> void readEveryInput(CliTableHost& host, extraction::FileParts parts, Each&& each)
{
    Guard guard(host.errorReporter(), tableRunLocation());
    extraction::forEveryInputFile(host, guard, {100, 102, 104, 106}, extraction::PercentStyle::Rounded, parts, each);
}

// The columns need the most e-mails, phones, addresses and websites of any contact before the
// header: a first pass reads the files for these counts alone, which costs far less than holding
// every row (see docs/development.md). Only the largest counts matter, so the files are counted
// in any order, on as many threads as there are cores. Failures are left to the pass that writes.
GroupCounts largestCounts(const QStringList& entries)
{
    const int threads = std::clamp(QThread::idealThreadCount(), 1, 4);
    std::atomic<qsizetype> next{0};
    std::vector<GroupCounts> found(size_t(threads), GroupCounts{});
    std::vector<std::thread> counters;
    for (int t = 0; t < threads; ++t) {
        counters.emplace_back([&entries, &next, &counts = found[size_t(t)]] {
            SilentReporter silent;
            for (qsizetype i = next++; i < entries.size(); i = next++) {
                ReadVCFContactsInPieces(
                    entries.at(i), ContactReader::Reading::CountsOnly, kConversionPieceBytes,
                    [&counts](PackedContacts piece, bool) {
                        counts = largerCounts(counts, piece.largestCounts());
                        return true;
                    },
                    silent);
            }
        });
    }
    GroupCounts largest{};
    for (int t = 0; t < threads; ++t) {
        counters[size_t(t)].join();
        largest = largerCounts(largest, found[size_t(t)]);
    }
    return largest;
}

// Every contact of every input to the writer, in order; afterPiece runs after each piece.
template <typename AfterPiece>
void writeRows(CliTableHost& host, const CliTableRequest& request, const CliInputs& inputs,
               const ContactColumns& columns, ContactTableWriter& writer, AfterPiece&& afterPiece)
{
    ContactDuplicates duplicates;
    ContactRow row;
    QString entryShown;
    std::string source;
    readEveryInput(host, extraction::FileParts::Contacts, [&](const QString& entry, ConvertedFile& piece) {
        if (entry != entryShown) {
            entryShown = entry;
            source = inputs.shownName(entry).toStdString();
        }
        const std::string_view rowSource = columns.hasSource() ? std::string_view(source) : std::string_view();
        for (qsizetype i = 0; i < piece.contacts.size(); ++i) {
            piece.contacts.rowAt(i, row);
            if (!request.removeDuplicates || !duplicates.seenBefore(row, rowSource))
                writer.writeRow(columns, row, source);
        }
        afterPiece();
    });
}

// CSV, TSV or JSON Lines, written as the rows come, to standard output or in place of --out's
// file once all of it is written. False after a write error, which is reported.
template <typename Text>
bool writeText(Text& text, const CliTableRequest& request, CliInputs& inputs, const QStringList& entries,
               CliErrorReporter& reporter, QIODevice& out, QIODevice& err)
{
    std::unique_ptr<FileReplacement> file;
    QIODevice* device = &out;
    if (!request.outFile.isEmpty()) {
        file = std::make_unique<FileReplacement>(request.outFile);
        try {
            device = &file->open();
        } catch (const ProcedureFailure& failure) {
            writeCliMessage(err, QStringLiteral("write error"), failure.description());
            return false;
        }
    }
    CliOutput output(*device);
    CliTableHost host(entries, err, reporter, [&output] { return !output.isOpen(); });
    // JSON Lines has no header, so no columns to know beforehand.
    const bool header = request.format != TableFormat::JsonLines;
    const ContactColumns columns(request.showSource, header ? largestCounts(entries) : GroupCounts{});
    text.writeHeader(columns);
    writeRows(host, request, inputs, columns, text, [&] {
        if (text.pendingSize() >= kOutputPiece)
            output.writeBytes(text.takeBytes());
    });
    output.writeBytes(text.takeBytes());
    if (!output.finish(err))
        return false;
    try {
        if (file)
            file->commit();
    } catch (const ProcedureFailure& failure) {
        writeCliMessage(err, QStringLiteral("write error"), failure.description());
        return false;
    }
    return true;
}

bool writeWorkbook(const CliTableRequest& request, CliInputs& inputs, const QStringList& entries,
                   CliErrorReporter& reporter, QIODevice& err)
{
    CliTableHost host(entries, err, reporter, [] { return false; });
    const ContactColumns columns(request.showSource, largestCounts(entries));
    WriteErrorReporter writeErrors(err);
    return writeContactsWorkbook(request.outFile, tableRunLocation(), writeErrors, [&](ContactTableWriter& writer) {
        writer.writeHeader(columns);
        writeRows(host, request, inputs, columns, writer, [] {});
    });
}

} // namespace

int runTableCommand(const QStringList& arguments, QIODevice& out, QIODevice& err, QIODevice* in,
                    const QList<QByteArray>& rawArguments)
{
    const CliTableParse parsed = parseTableArguments(arguments.mid(2), rawArguments.mid(2));
    if (!parsed.request) {
        writeCliMessage(err, QStringLiteral("table"), parsed.error);
        return kCliUsage;
    }
    const CliTableRequest& request = *parsed.request;
    if (request.help) {
        CliOutput help(out);
        help.write(helpText(tableHelp()));
        return help.finish(err) ? kCliOk : kCliReportedError;
    }
    CliErrorReporter reporter(err);
    CliInputs inputs(err, reporter, in);
    const QStringList entries = inputs.collect(request.inputs);
    // Nothing left to read after reports: the reports say it all, without "No files added.".
    if (entries.isEmpty() && (inputs.anyMissing() || inputs.anyReported() || reporter.reportCount() > 0))
        return inputs.anyMissing() ? kCliUsage : kCliReportedError;
    if (entries.isEmpty()) {
        writeCliMessage(err, QStringLiteral("table"), extraction::noFilesAddedMessage());
        return kCliUsage;
    }
    bool written = false;
    switch (request.format) {
    case TableFormat::Csv:
    case TableFormat::Tsv: {
        DelimitedTableText text(request.format == TableFormat::Csv ? DelimitedTableText::Separator::Comma
                                                                   : DelimitedTableText::Separator::Tab,
                                request.byteOrderMark);
        written = writeText(text, request, inputs, entries, reporter, out, err);
        break;
    }
    case TableFormat::JsonLines: {
        JsonLinesTableText text;
        written = writeText(text, request, inputs, entries, reporter, out, err);
        break;
    }
    case TableFormat::Xlsx:
        written = writeWorkbook(request, inputs, entries, reporter, err);
        break;
    }
    if (inputs.anyMissing())
        return kCliUsage;
    const bool reported = reporter.reportCount() > 0 || inputs.anyReported();
    return reported || !written ? kCliReportedError : kCliOk;
}

} // namespace cardisto
