// SPDX-License-Identifier: GPL-3.0-or-later
// "Save Results As Text File" and "Copy Results To Clipboard" on the real main window with a long
// results list: how long each takes against the bare writer, and how long a pending event (a
// click, a repaint) waits at most meanwhile.
//
//   QT_QPA_PLATFORM=offscreen build/bin/OutputWindowBench [ROWS] [FOLDER]
//
// ROWS defaults to 1,000,000 rows of two columns (source file, result text); the file goes to
// FOLDER (default: the system's temporary folder) and is removed afterwards. The window yields at
// its own interval. Each way is timed twice, alternately, and the faster time is kept.

#include "BenchSupport.h"
#include "output/AlignedTextFile.h"
#include "shell/SettingsStore.h"
#include "shell/mainwindow/Form1.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

using namespace cardisto;
using bench::seconds;

namespace {

// Fires every millisecond while it runs; the longest time between two firings is the longest any
// event waited.
class WaitProbe {
public:
    WaitProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_sinceFiring.nsecsElapsed());
            m_sinceFiring.restart();
        });
    }
    void start()
    {
        m_longest = 0;
        m_sinceFiring.start();
        m_timer.start();
    }
    double stopMilliseconds()
    {
        m_longest = std::max(m_longest, m_sinceFiring.nsecsElapsed());
        m_timer.stop();
        return double(m_longest) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceFiring;
    qint64 m_longest = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList args = application.arguments();
    const int rows = args.size() > 1 ? args[1].toInt() : 1000000;
    const QString folder = args.size() > 2 ? args[2] : QDir::tempPath();
    const QString path = QDir(folder).filePath(QStringLiteral("OutputWindowBench.txt"));

    QTemporaryDir settingsFolder;
    test::FakePlatform platform;
    SettingsStore settings(settingsFolder.filePath(QStringLiteral("settings.ini")));
    Form1 window({platform, settings, ProgramFolder(settingsFolder.path()), [] {
                      return 0.5;
                  }});
    window.show();
    ResultsModel& results = window.results();
    results.setLayout(ResultsLayout::WithSourceFilename);
    for (int row = 0; row < rows; ++row)
        results.appendRow(QStringLiteral("/home/user/contacts/export-%1.vcf").arg(row % 5000),
                          QStringLiteral("person.number%1@example.com").arg(row));
    results.commitPendingRows();
    QCoreApplication::processEvents();
    auto* save = window.findChild<QPushButton*>(QStringLiteral("PushButton6"));
    auto* copy = window.findChild<QPushButton*>(QStringLiteral("PushButton18"));

    StreamErrorReporter reporter;
    WaitProbe probe;
    double bare = 1e9, command = 1e9, copying = 1e9, saveWait = 0, copyWait = 0;
    qint64 bytes = 0;
    QElapsedTimer timer;
    for (int round = 0; round < 2; ++round) {
        timer.start();
        SaveListviewProperlySpaced(results, path, reporter);
        bare = std::min(bare, seconds(timer));
        bytes = QFileInfo(path).size();
        QFile::remove(path);

        platform.chooseSaveName(path);
        probe.start();
        timer.start();
        save->click();
        command = std::min(command, seconds(timer));
        saveWait = std::max(saveWait, probe.stopMilliseconds());
        QFile::remove(path);

        probe.start();
        timer.start();
        copy->click();
        copying = std::min(copying, seconds(timer));
        copyWait = std::max(copyWait, probe.stopMilliseconds());
    }
    if (!platform.errors().isEmpty())
        qFatal("unexpected error box: %s", qPrintable(platform.errors().constFirst()));
    std::printf("%d rows, file of %.1f MB, platform %s, yield interval %lld ms\n", rows, bench::megabytes(bytes),
                qPrintable(QGuiApplication::platformName()),
                static_cast<long long>(window.eventLoopYield().interval().count()));
    std::printf("bare writer:                 %.2f s\n", bare);
    std::printf("Save Results As Text File:   %.2f s (%+.2f s), longest wait %.1f ms\n", command, command - bare,
                saveWait);
    std::printf("Copy Results To Clipboard:   %.2f s, longest wait %.1f ms\n", copying, copyWait);
    std::printf("peak resident memory: %.1f MB\n", bench::megabytes(bench::peakResidentBytes()));
    return 0;
}
