// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion throughput on bytes already in memory: every *.vcf file of a folder is loaded once,
// then converted in Some Fields mode (all four groups) and in All Fields mode, and in both modes
// again with "Read vCards as the standard defines them", best of a few rounds. The decoding may cost at most
// 1.5 times the plain conversion. Then every file again as UTF-8 and as UTF-16 (the same contacts):
// a UTF-16 file may cost at most 1.2 times its UTF-8 copy. Times are processor time of the process,
// best of the rounds.
//
//   python3 ../shared/bench/make_vcards.py --contacts 100000 --files 100 --out /tmp/corpus-100k
//   build/bin/ConversionBench /tmp/corpus-100k [rounds]

#include "conversion/VcfConverter.h"
#include "conversion/VcfTextForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <ctime>

using namespace cardisto;

namespace {

// Processor time of this process: other programs on a busy machine count far less than in the
// wall-clock time.
double processSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double bestSeconds(const QList<QByteArray>& files, const ConversionChoice& choice, int rounds, qsizetype* outChars)
{
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        qsizetype chars = 0;
        const double start = processSeconds();
        for (const QByteArray& bytes : files)
            chars += convertVcfBytes(bytes, choice).size();
        best = std::min(best, processSeconds() - start);
        *outChars = chars;
    }
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER [rounds]\n", argv[0]);
        return 2;
    }
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QList<QByteArray> files;
    qint64 totalBytes = 0;
    for (const QString& name : folder.entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        files.append(file.readAll());
        totalBytes += files.last().size();
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "no .vcf files in %s\n", argv[1]);
        return 2;
    }
    const double megabytes = double(totalBytes) / 1e6;
    std::printf("%lld files, %.1f MB, best of %d rounds\n", qlonglong(files.size()), megabytes, rounds);
    qsizetype chars = 0;
    const double some = bestSeconds(files, ConversionChoice::someFields(FieldGroups::all()), rounds, &chars);
    std::printf("Some Fields (all groups): %7.3f s  %7.1f MB/s  %lld characters out\n", some, megabytes / some,
                qlonglong(chars));
    const double all = bestSeconds(files, ConversionChoice::allFields(), rounds, &chars);
    std::printf("All Fields:               %7.3f s  %7.1f MB/s  %lld characters out\n", all, megabytes / all,
                qlonglong(chars));
    ConversionChoice decodedSome = ConversionChoice::someFields(FieldGroups::all());
    decodedSome.decodeLines = true;
    const double someDecoded = bestSeconds(files, decodedSome, rounds, &chars);
    std::printf("Some Fields, decoded:     %7.3f s  %7.1f MB/s  %lld characters out  %.2fx plain\n", someDecoded,
                megabytes / someDecoded, qlonglong(chars), someDecoded / some);
    ConversionChoice decodedAll = ConversionChoice::allFields();
    decodedAll.decodeLines = true;
    const double allDecoded = bestSeconds(files, decodedAll, rounds, &chars);
    std::printf("All Fields, decoded:      %7.3f s  %7.1f MB/s  %lld characters out  %.2fx plain\n", allDecoded,
                megabytes / allDecoded, qlonglong(chars), allDecoded / all);

    // The same contacts as UTF-8 and as UTF-16LE with a byte-order mark.
    QList<QByteArray> utf8Copies;
    QList<QByteArray> utf16Copies;
    for (const QByteArray& bytes : std::as_const(files)) {
        const QString text = decodeText(bytes, detectVcfEncoding(bytes));
        utf8Copies.append(text.toUtf8());
        utf16Copies.append(QByteArray("\xFF\xFE") +
                           QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
    }
    for (const bool decodeLines : {false, true}) {
        for (const bool allFields : {false, true}) {
            ConversionChoice choice =
                allFields ? ConversionChoice::allFields() : ConversionChoice::someFields(FieldGroups::all());
            choice.decodeLines = decodeLines;
            const double asUtf8 = bestSeconds(utf8Copies, choice, rounds, &chars);
            const double asUtf16 = bestSeconds(utf16Copies, choice, rounds, &chars);
            std::printf("%-11s%-10s UTF-8 %7.3f s, UTF-16 %7.3f s: %.2fx\n", allFields ? "All Fields" : "Some Fields",
                        decodeLines ? ", decoded:" : ":", asUtf8, asUtf16, asUtf16 / asUtf8);
        }
    }
    return 0;
}
