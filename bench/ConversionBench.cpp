// Conversion throughput on bytes already in memory: every *.vcf file of a folder is loaded once,
// then converted in Some Fields mode (all four groups) and in All Fields mode, best of a few rounds.
//
//   python3 ../shared/bench/make_vcards.py --contacts 100000 --files 100 --out /tmp/corpus-100k
//   build/bin/ConversionBench /tmp/corpus-100k [rounds]

#include "conversion/VcfConverter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

using namespace cardisto;

namespace {

double bestSeconds(const QList<QByteArray>& files, const ConversionChoice& choice, int rounds, qsizetype* outChars)
{
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        qsizetype chars = 0;
        QElapsedTimer timer;
        timer.start();
        for (const QByteArray& bytes : files)
            chars += convertVcfBytes(bytes, choice).size();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e9);
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
    return 0;
}
