// SPDX-License-Identifier: GPL-3.0-or-later
// End-to-end extraction against plain conversion over the same files: "Extract All Lines" with
// "Remove duplicate results" must stay within 1.5 times the conversion alone.
//
//   ExtractionBench DIR [--fields all|none|LIST] [--keep-duplicates]
//
// Every *.vcf file of DIR, sorted by name; all fields and duplicates removed unless told otherwise.

#include "BenchSupport.h"
#include "cli/CliExtractArguments.h"
#include "cli/CliExtractionHost.h"
#include "cli/CliFieldOption.h"
#include "cli/CliMessages.h"
#include "conversion/VcfConverter.h"
#include "extraction/ExtractionCommands.h"
#include "shell/FileHelpers.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <cstdio>

using namespace cardisto;
using namespace cardisto::bench;

namespace {

// Reading and converting every file, as the extraction does, without cutting or listing anything.
// Lines are counted only when asked (the untimed warm-up), so that counting does not flatter the ratio.
double timeConversion(const QStringList& files, const ConversionChoice& choice, qsizetype& bytes, qsizetype& chars,
                      qsizetype* lines = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    bytes = 0;
    chars = 0;
    for (const QString& file : files) {
        const QByteArray content = readWholeFile(file);
        bytes += content.size();
        const QString converted = convertVcfBytes(content, choice);
        chars += converted.size();
        if (lines && !converted.isEmpty())
            *lines += converted.count(QStringLiteral("\r\n")) + 1;
    }
    return timer.nsecsElapsed() / 1e9;
}

double timeExtraction(const QStringList& files, const ConversionChoice& choice, bool removeDuplicates, qsizetype& rows)
{
    CliExtractRequest request;
    request.choice = choice;
    request.removeDuplicates = removeDuplicates;
    request.extraction = CliExtraction::AllLines;
    QBuffer err;
    err.open(QIODevice::WriteOnly);
    CliErrorReporter reporter(err);
    CliExtractionHost host(request, files, err, reporter);
    QElapsedTimer timer;
    timer.start();
    ExtractAllLines(host);
    host.results().commitPendingRows();
    const double seconds = timer.nsecsElapsed() / 1e9;
    rows = host.results().totalRowCount();
    return seconds;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: ExtractionBench DIR [--fields all|none|LIST] [--keep-duplicates]\n");
        return 2;
    }
    ConversionChoice choice = ConversionChoice::allFields();
    const qsizetype fields = arguments.indexOf(QStringLiteral("--fields"));
    if (fields > 0 && fields + 1 < arguments.size())
        choice = parseFieldsOption(arguments.at(fields + 1)).value_or(choice);
    const bool removeDuplicates = !arguments.contains(QStringLiteral("--keep-duplicates"));
    const QDir dir(arguments.at(1));
    QStringList files;
    for (const QString& name : dir.entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name))
        files.append(dir.filePath(name));

    // Warm the page cache so that both measurements read from memory, then take the better of two.
    qsizetype bytes = 0;
    qsizetype chars = 0;
    qsizetype lines = 0;
    qsizetype rows = 0;
    timeConversion(files, choice, bytes, chars, &lines);
    const double conversion =
        std::min(timeConversion(files, choice, bytes, chars), timeConversion(files, choice, bytes, chars));
    const double extraction = std::min(timeExtraction(files, choice, removeDuplicates, rows),
                                       timeExtraction(files, choice, removeDuplicates, rows));
    std::printf("%lld files, %.1f MB of vCards, %.1f M characters of converted text in %.2f M lines\n",
                static_cast<long long>(files.size()), megabytes(bytes), double(chars) / 1e6, double(lines) / 1e6);
    std::printf("conversion only:                      %.3f s\n", conversion);
    std::printf("Extract All Lines, duplicates %s: %.3f s, %lld rows (%.2f x the conversion)\n",
                removeDuplicates ? "removed" : "kept", extraction, static_cast<long long>(rows),
                extraction / conversion);
    std::printf("peak resident memory: %.1f MB\n", megabytes(peakResidentBytes()));
    return 0;
}
