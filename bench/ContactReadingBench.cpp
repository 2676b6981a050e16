// SPDX-License-Identifier: GPL-3.0-or-later
// What the contacts table's reading costs, file by file on bytes read beforehand: the conversion
// that "extract --fields all --decode" makes, the full reading of the contacts, and the reading of
// their counts alone (the first pass of "cardisto-cli table"); and how many bytes the contacts take
// stored compactly, which is what holding every row instead of that first pass would cost. Times
// are processor time of the reading thread.
//
//   build-release/bin/ContactReadingBench /tmp/corpus-1m

#include "BenchSupport.h"
#include "conversion/ContactFileReading.h"
#include "conversion/VcfConverter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdio>

using namespace cardisto;
using namespace cardisto::bench;

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    double convertSeconds = 0;
    double valuesSeconds = 0;
    double countsSeconds = 0;
    qint64 fileBytes = 0;
    qint64 storedBytes = 0;
    qint64 contacts = 0;
    GroupCounts largest{};
    for (const QString& name : corpus.entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name)) {
        QFile file(corpus.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        fileBytes += bytes.size();
        ConversionChoice choice = ConversionChoice::allFields();
        choice.decodeLines = true;
        double start = threadCpuSeconds();
        const QString converted = convertVcfBytes(bytes, choice);
        convertSeconds += threadCpuSeconds() - start;
        start = threadCpuSeconds();
        const PackedContacts values = readVcfContacts(bytes, ContactReader::Reading::Values);
        valuesSeconds += threadCpuSeconds() - start;
        start = threadCpuSeconds();
        const PackedContacts counts = readVcfContacts(bytes, ContactReader::Reading::CountsOnly);
        countsSeconds += threadCpuSeconds() - start;
        storedBytes += qint64(values.byteSize()) + values.size() * 4;
        contacts += values.size();
        largest = largerCounts(largest, counts.largestCounts());
    }
    std::printf("%lld contacts, %.1f MB of vCards; most e-mails %d, phones %d, addresses %d, websites %d\n",
                static_cast<long long>(contacts), megabytes(fileBytes), largest[0], largest[1], largest[2], largest[3]);
    std::printf("conversion (--fields all --decode): %6.2f s\n", convertSeconds);
    std::printf("contacts read in full:              %6.2f s  (%.2f x the conversion)\n", valuesSeconds,
                valuesSeconds / convertSeconds);
    std::printf("their counts alone (first pass):    %6.2f s  (%.2f x the full reading)\n", countsSeconds,
                countsSeconds / valuesSeconds);
    std::printf("every row held, stored compactly:   %6.1f MB (%.0f bytes a contact)\n", megabytes(storedBytes),
                double(storedBytes) / double(std::max<qint64>(contacts, 1)));
    return 0;
}
