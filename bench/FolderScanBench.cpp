// SPDX-License-Identifier: GPL-3.0-or-later
// Scans a tree of 10,000 folders and 100,000 files as "Add All VCF Files In Folder" does, and as a
// folder drop does, and reports the time, the directory listings made and the rows found. A scan
// should make one listing per folder and nothing per file.
//
//   FolderScanBench [FOLDER] [--keep]
//
// Without FOLDER the tree is built in a temporary folder (10 files per folder: 8 ".vcf", 1 ".VCF",
// 1 ".txt"; each folder has up to 10 sub-folders, level by level) and removed afterwards unless
// --keep is given. Each scan runs three times; the fastest run counts, the first also shows the cost
// with a cold cache when the tree was just built by another process.

#include "BenchSupport.h"
#include "inputs/FilePattern.h"
#include "inputs/FolderScan.h"
#include "shell/ErrorReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace cardisto;
using namespace cardisto::bench;

namespace {

constexpr int kFolders = 10000;
constexpr int kFilesPerFolder = 10;
constexpr int kFanOut = 10;

// Folder i (from 1) lies below folder (i - 1) / kFanOut, so the tree fills level by level.
bool buildTree(const QString& root)
{
    QStringList folders{root};
    folders.reserve(kFolders);
    for (int i = 1; i < kFolders; ++i) {
        const QString path = folders.at((i - 1) / kFanOut) + QStringLiteral("/d%1").arg(i);
        if (!QDir().mkdir(path))
            return false;
        folders.append(path);
    }
    for (const QString& folder : std::as_const(folders)) {
        const QByteArray prefix = QFile::encodeName(folder) + '/';
        for (int f = 0; f < kFilesPerFolder; ++f) {
            const char* extension = f < 8 ? ".vcf" : (f == 8 ? ".VCF" : ".txt");
            const QByteArray name = prefix + "contact-" + QByteArray::number(f) + extension;
            const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || ::close(fd) != 0)
                return false;
        }
    }
    return true;
}

struct Timing {
    double bestMs = 0;
    double firstMs = 0;
    FolderScanResult result;
    qint64 yields = 0;
};

Timing timeScan(const QString& folder, const QString& pattern, StreamErrorReporter& reporter)
{
    Timing timing;
    for (int run = 0; run < 3; ++run) {
        qint64 yields = 0;
        QElapsedTimer timer;
        timer.start();
        FolderScanResult result = scanFolderTree(folder, pattern, reporter, [&yields] { ++yields; });
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (run == 0) {
            timing.firstMs = ms;
            timing.bestMs = ms;
        }
        timing.bestMs = std::min(timing.bestMs, ms);
        timing.result = std::move(result);
        timing.yields = yields;
    }
    return timing;
}

void report(const char* what, const Timing& timing)
{
    std::printf("%-22s %8.1f ms best, %8.1f ms first   %7lld folders  %7lld listings  %7lld rows  %7lld yields\n", what,
                timing.bestMs, timing.firstMs, qlonglong(timing.result.folderCount),
                qlonglong(timing.result.listingCount), qlonglong(timing.result.paths.size()), qlonglong(timing.yields));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const bool keep = arguments.removeAll(QStringLiteral("--keep")) > 0;

    QTemporaryDir temporary;
    QString folder = arguments.value(0);
    if (folder.isEmpty()) {
        if (!temporary.isValid()) {
            std::fprintf(stderr, "cannot make a temporary folder\n");
            return 1;
        }
        temporary.setAutoRemove(!keep);
        folder = temporary.path();
        QElapsedTimer building;
        building.start();
        if (!buildTree(folder)) {
            std::fprintf(stderr, "cannot build the tree in %s\n", qPrintable(folder));
            return 1;
        }
        std::printf("built %d folders and %d files in %s in %.1f s\n", kFolders, kFolders * kFilesPerFolder,
                    qPrintable(folder), double(building.elapsed()) / 1000.0);
    }

    StreamErrorReporter reporter;
    const double cpuBefore = cpuSeconds();
    report("button (*.vcf)", timeScan(folder, vcfFilePattern(), reporter));
    report("folder drop (*.*)", timeScan(folder, allFilesPattern(), reporter));
    std::printf("cpu %.2f s for 6 scans, peak memory %.1f MB, %d failures reported\n", cpuSeconds() - cpuBefore,
                megabytes(peakResidentBytes()), reporter.reportCount());
    return reporter.reportCount() == 0 ? 0 : 1;
}
