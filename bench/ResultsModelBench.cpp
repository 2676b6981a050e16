// SPDX-License-Identifier: GPL-3.0-or-later
// Appends to the results list with "Remove duplicate results" on: the duplicate test must cost the
// same for the millionth offer as for the first, and a row must cost little memory beyond its text.
//
//   ResultsModelBench [ROWS] [--source]     (default 1000000 rows, results only)
//
// One layout per run: memory given back by one list would hide the cost of the next.

#include "BenchSupport.h"
#include "extraction/AddRule.h"
#include "extraction/ResultsModel.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

using namespace cardisto;
using namespace cardisto::bench;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const bool showSource = arguments.contains(QStringLiteral("--source"));
    qsizetype count = 1000000;
    for (const QString& argument : arguments.mid(1)) {
        if (!argument.startsWith(u'-'))
            count = argument.toLongLong();
    }

    // What the texts take by themselves: their memory blocks, without the list that holds them.
    qint64 before = residentBytes();
    QStringList texts;
    texts.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        texts.append(QStringLiteral("contact.%1@mail.example").arg(i, 7, 10, QLatin1Char('0')));
    const qint64 textBytes = residentBytes() - before - qint64(count) * qint64(sizeof(QString));

    // Each row copies its text, as rows cut from a file's converted text do.
    const QString source = QStringLiteral("/home/user/contacts/export-2024.vcf");
    const ExtractionOptions options{true, showSource};
    before = residentBytes();
    ResultsModel model;
    QElapsedTimer timer;
    timer.start();
    double cpu = cpuSeconds();
    for (const QString& text : std::as_const(texts))
        OfferResult(model, options, source, text);
    model.commitPendingRows();
    const double newWall = timer.nsecsElapsed() / 1e9;
    const double newCpu = cpuSeconds() - cpu;
    const qint64 listBytes = residentBytes() - before;

    timer.restart();
    cpu = cpuSeconds();
    qsizetype added = 0;
    for (const QString& text : std::as_const(texts))
        added += OfferResult(model, options, source, text);
    const double duplicateWall = timer.nsecsElapsed() / 1e9;
    const double duplicateCpu = cpuSeconds() - cpu;

    const double rows = double(model.totalRowCount());
    std::printf("%s, %.0f rows, duplicate test on\n",
                showSource ? "Source filename beside the results" : "Results only", rows);
    std::printf("  new offers:       %.3f s wall, %.3f s CPU (%.0f ns per offer)\n", newWall, newCpu,
                newCpu * 1e9 / rows);
    std::printf("  duplicate offers: %.3f s wall, %.3f s CPU (%.0f ns per offer), %lld added\n", duplicateWall,
                duplicateCpu, duplicateCpu * 1e9 / double(texts.size()), static_cast<long long>(added));
    std::printf("  list memory %.1f MB, of which texts %.1f MB: %.0f bytes per row beyond its text\n",
                megabytes(listBytes), megabytes(textBytes), double(listBytes - textBytes) / rows);
    std::printf("  peak resident memory of the program: %.1f MB\n", megabytes(peakResidentBytes()));
    return 0;
}
