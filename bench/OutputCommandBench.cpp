// SPDX-License-Identifier: GPL-3.0-or-later
// Times "Save Results As Text File" on a long results list, through the command with a window-like
// host that lets events run by elapsed time (as the main window does), against the bare writer.
//
//   build/bin/OutputCommandBench [ROWS] [FOLDER]
//
// ROWS defaults to 1,000,000 rows of two columns (source file, result text); the file goes to
// FOLDER (default: the system's temporary folder) and is removed afterwards. Each way is timed
// twice, alternately, and the faster time is kept. The longest stretch without a turn of the event
// loop shows how responsive the window stays.

#include "BenchSupport.h"
#include "extraction/ResultsModel.h"
#include "output/AlignedTextFile.h"
#include "output/CopyResultsToClipboard.h"
#include "output/ResultsOutputHost.h"
#include "output/SaveResultsAsTextFile.h"
#include "shell/EventLoopYield.h"
#include "shell/platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

using namespace cardisto;
using bench::seconds;

namespace {

// Answers the save dialog with one name and keeps the clipboard text; every other box is an OK.
class BenchPlatform final : public Platform {
public:
    QString saveName;
    QString clipboard;

protected:
    void doShowMessage(const QString&, const QString&) override {}
    bool doAskYesNo(const QString&, const QString&) override { return true; }
    void doShowErrorBox(const QString& text, const QString&) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    QString doInputBox(const QString&, const QString&, const QString&) override { return {}; }
    FileSelection doChooseFilesToOpen(const QString&, const QString&) override { return FileSelection::cancelled(); }
    QString doChooseSaveFileName(const QString&, const QString&) override { return saveName; }
    QString doBrowseForFolder(const QString&, const QString&) override { return {}; }
    bool doClearClipboard() override { return true; }
    bool doSetClipboardText(const QString& text) override
    {
        clipboard = text;
        return true;
    }
    bool doOpenWebAddress(const QString&) override { return false; }
    bool doOpenFolder(const QString&) override { return false; }
    bool doOpenDocument(const QString&) override { return false; }
};

// The main window as the commands see it: the bar's updates cost a call each, and events run
// whenever 8 ms have passed since the last turn.
class WindowLikeHost final : public ResultsOutputHost {
public:
    explicit WindowLikeHost(ResultsModel& list) : m_list(list) {}
    const QAbstractItemModel& resultsList() override
    {
        m_list.commitPendingRows();
        return m_list;
    }
    void setBusyPointer(bool) override {}
    Platform& platform() override { return platformDouble; }
    ErrorReporter& errorReporter() override { return m_reporter; }
    QString workbookFolder() override { return QDir::tempPath(); }
    void showStatusNote(const QString&) override {}
    void setProgressValue(int value) override { m_value = value; }
    void setProgressCaption(const QString& caption) override { m_caption = caption; }
    void letEventsRun() override { yield.maybeYield(); }

    BenchPlatform platformDouble;
    EventLoopYield yield;

private:
    ResultsModel& m_list;
    StreamErrorReporter m_reporter;
    int m_value = 0;
    QString m_caption;
};

double milliseconds(std::chrono::nanoseconds gap)
{
    return double(gap.count()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int rows = args.size() > 1 ? args[1].toInt() : 1000000;
    const QString folder = args.size() > 2 ? args[2] : QDir::tempPath();
    const QString path = QDir(folder).filePath(QStringLiteral("OutputCommandBench.txt"));

    QElapsedTimer timer;
    timer.start();
    ResultsModel list;
    list.setLayout(ResultsLayout::WithSourceFilename);
    for (int row = 0; row < rows; ++row)
        list.appendRow(QStringLiteral("/home/user/contacts/export-%1.vcf").arg(row % 5000),
                       QStringLiteral("person.number%1@example.com").arg(row));
    list.commitPendingRows();
    std::printf("list of %d rows built in %.2f s\n", rows, seconds(timer));

    StreamErrorReporter reporter;
    WindowLikeHost host(list);
    host.platformDouble.saveName = path;
    double bareBest = 1e9, commandBest = 1e9, copyBest = 1e9;
    qint64 bytes = 0;
    bool ok = true;
    for (int round = 0; round < 2; ++round) {
        timer.restart();
        ok = SaveListviewProperlySpaced(list, path, reporter) && ok;
        bareBest = std::min(bareBest, seconds(timer));
        bytes = QFileInfo(path).size();
        QFile::remove(path);

        host.yield.restart();
        timer.restart();
        ok = SaveResultsAsTextFile(host) && ok;
        commandBest = std::min(commandBest, seconds(timer));
        QFile::remove(path);
    }
    std::printf("file of %.1f MB\n", double(bytes) / (1024.0 * 1024.0));
    std::printf("bare writer, no progress:        %.2f s\n", bareBest);
    std::printf("command, window-like host:       %.2f s (%+.0f%%), %lld event turns, longest gap %.1f ms\n",
                commandBest, (commandBest / bareBest - 1.0) * 100.0, host.yield.turnCount(),
                milliseconds(host.yield.longestGap()));

    for (int round = 0; round < 2; ++round) {
        host.yield.restart();
        timer.restart();
        ok = CopyResultsToClipboard(host) && ok;
        copyBest = std::min(copyBest, seconds(timer));
    }
    std::printf("copy command, window-like host:  %.2f s, %.1f MB of text, longest gap %.1f ms\n", copyBest,
                double(host.platformDouble.clipboard.size()) * 2.0 / (1024.0 * 1024.0),
                milliseconds(host.yield.longestGap()));
    return ok ? 0 : 1;
}
