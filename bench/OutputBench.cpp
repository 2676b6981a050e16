// SPDX-License-Identifier: GPL-3.0-or-later
// Times the output writers on a long results list of two columns (source file, result text).
//
//   build/bin/OutputBench [ROWS] [FOLDER] [all|text|clipboard|workbook]
//
// ROWS defaults to 1,000,000; the files go to FOLDER (default: the system's temporary folder) and
// are removed afterwards. Peak memory of one writer on top of the list:
//   /usr/bin/time -v build/bin/OutputBench 1000000 /tmp text   (Maximum resident set size), minus
//   /usr/bin/time -v build/bin/OutputBench 1000000 /tmp none   (the list alone).

#include "BenchSupport.h"
#include "output/AlignedTextFile.h"
#include "output/ClipboardText.h"
#include "output/SpreadsheetExport.h"
#include "output/WriteProgress.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <vector>

using namespace cardisto;
using bench::megabytes;

namespace {

class ResultsTable final : public QAbstractTableModel {
public:
    explicit ResultsTable(int rows)
    {
        m_sources.reserve(rows);
        m_results.reserve(rows);
        for (int row = 0; row < rows; ++row) {
            m_sources.push_back(QStringLiteral("/home/user/contacts/export-%1.vcf").arg(row % 5000));
            m_results.push_back(QStringLiteral("person.number%1@example.com").arg(row));
        }
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_results.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::CheckStateRole)
            return Qt::Checked;
        if (role != Qt::DisplayRole)
            return {};
        return index.column() == 0 ? m_sources[size_t(index.row())] : m_results[size_t(index.row())];
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return section == 0 ? QStringLiteral("Source Filename") : QStringLiteral("Extraction Results");
    }

private:
    std::vector<QString> m_sources;
    std::vector<QString> m_results;
};

// Stands in for the window: counts what it would show and pretends to let events run.
class CountingProgress final : public WriteProgress {
public:
    void setProgressValue(int) override { ++values; }
    void setProgressCaption(const QString&) override { ++captions; }
    void letEventsRun() override { ++yields; }
    qint64 values = 0, captions = 0, yields = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int rows = args.size() > 1 ? args[1].toInt() : 1000000;
    const QString folder = args.size() > 2 ? args[2] : QDir::tempPath();
    const QString only = args.size() > 3 ? args[3] : QStringLiteral("all");
    auto runs = [&only](const char* writer) {
        return only == QLatin1String("all") || only == QLatin1String(writer);
    };
    StreamErrorReporter reporter;

    QElapsedTimer timer;
    timer.start();
    const ResultsTable table(rows);
    std::printf("list of %d rows built in %.2f s\n", rows, timer.elapsed() / 1000.0);

    bool ok = true;
    if (runs("text")) {
        const QString textPath = folder + QStringLiteral("/OutputBench.txt");
        CountingProgress progress;
        timer.restart();
        const bool saved = SaveListviewProperlySpaced(table, textPath, reporter, &progress);
        const double saveSeconds = timer.elapsed() / 1000.0;
        std::printf("aligned text file: %s, %.2f s, %.1f MB (%lld values, %lld captions, %lld yields)\n",
                    saved ? "written" : "FAILED", saveSeconds, megabytes(QFileInfo(textPath).size()), progress.values,
                    progress.captions, progress.yields);
        QFile::remove(textPath);
        ok = ok && saved;
    }
    if (runs("clipboard")) {
        timer.restart();
        const std::optional<QString> text = CopyListviewToClipboardText(table, [] {});
        std::printf("clipboard text: %.2f s, %.1f MB as UTF-16\n", timer.elapsed() / 1000.0,
                    megabytes(text ? text->size() * 2 : 0));
    }
    if (runs("workbook")) {
        const QString workbookPath = folder + QStringLiteral("/OutputBench.xlsx");
        timer.restart();
        const bool exported = exportListToWorkbook(table, workbookPath, reporter);
        std::printf("workbook: %s, %.2f s, %.1f MB\n", exported ? "written" : "FAILED", timer.elapsed() / 1000.0,
                    megabytes(QFileInfo(workbookPath).size()));
        QFile::remove(workbookPath);
        ok = ok && exported;
    }
    return ok ? 0 : 1;
}
