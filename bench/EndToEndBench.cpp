// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program on a large corpus, through the real main window: "Extract All Lines" in All
// Fields mode with "Remove duplicate results" ticked, then "Save Results As Text File". Reports the
// time of each step, the CPU time of the extraction (how many cores it kept busy: the files are read
// and converted on a worker), the longest time any event waited (a 1 ms timer firing late), the
// longest gap between the window's own event-loop turns, and the peak resident memory. The input is
// a folder of vCard files or one file. With --between X Y the extraction is "Extract Between X and
// Y (Repeatedly)" of the tool window instead.
//
//   python3 ../shared/bench/make_vcards.py --contacts 1000000 --files 100 --out /tmp/corpus-1m --jobs 2
//   QT_QPA_PLATFORM=offscreen /usr/bin/time -v build-release/bin/EndToEndBench /tmp/corpus-1m /tmp/results.txt
//   /usr/bin/time -v build-release/bin/cardisto-cli extract --all-lines --dedupe --out /tmp/cli.txt /tmp/corpus-1m
//   QT_QPA_PLATFORM=offscreen build-release/bin/EndToEndBench /tmp/one-300mb /tmp/results.txt --between @ .

#include "BenchSupport.h"
#include "extraction/windows/Form2.h"
#include "shell/SettingsStore.h"
#include "shell/mainwindow/Form1.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

using namespace cardisto;
using namespace cardisto::bench;

namespace {

// How late a 1 ms timer fires at worst: the longest any event waited for the window.
class EventWaitProbe {
public:
    EventWaitProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { note(); });
    }
    void start()
    {
        m_longest = 0;
        m_since.start();
        m_timer.start();
    }
    double stopMs()
    {
        note();
        m_timer.stop();
        return m_longest / 1e6;
    }

private:
    void note()
    {
        m_longest = std::max(m_longest, m_since.nsecsElapsed());
        m_since.restart();
    }
    QTimer m_timer;
    QElapsedTimer m_since;
    qint64 m_longest = 0;
};

template <typename Step>
double timedSeconds(Step&& step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const bool between = argc == 6 && QByteArray(argv[3]) == "--between";
    if (argc != 3 && !between) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER_OR_FILE RESULTS_FILE [--between X Y]\n", argv[0]);
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QDir corpus(input);
    QStringList paths;
    for (const QString& name : corpus.entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name))
        paths.append(corpus.absoluteFilePath(name));
    if (QFileInfo(input).isFile())
        paths = QStringList{QFileInfo(input).absoluteFilePath()};
    const QString resultsFile = QString::fromLocal8Bit(argv[2]);

    QTemporaryDir settingsFolder;
    test::FakePlatform platform;
    SettingsStore settings(settingsFolder.filePath(QStringLiteral("settings.ini")));
    Form1 window({platform, settings, ProgramFolder(settingsFolder.path()), [] { return 0.5; }});
    window.resize(1280, 800);
    window.show();
    window.findChild<QRadioButton*>(QStringLiteral("Option1"))->click();
    window.findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
    window.inputFiles().append(paths);
    QPushButton* run = window.findChild<QPushButton*>(QStringLiteral("PushButton13"));
    if (between) {
        window.findChild<QPushButton*>(QStringLiteral("PushButton4"))->click();
        auto* form2 = window.findChild<Form2*>();
        form2->findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(QString::fromLocal8Bit(argv[4]));
        form2->findChild<QLineEdit*>(QStringLiteral("Text4"))->setText(QString::fromLocal8Bit(argv[5]));
        run = form2->findChild<QPushButton*>(QStringLiteral("PushButton4"));
    }
    QCoreApplication::processEvents();

    EventWaitProbe probe;
    probe.start();
    const double cpuBefore = cpuSeconds();
    const double windowCpuBefore = threadCpuSeconds();
    const double extractSeconds = timedSeconds([&] {
        run->click();
        QCoreApplication::processEvents();
    });
    const double extractCpuSeconds = cpuSeconds() - cpuBefore;
    const double windowCpuSeconds = threadCpuSeconds() - windowCpuBefore;
    const double extractWaitMs = probe.stopMs();
    const double extractGapMs = window.eventLoopYield().longestGap().count() / 1e6;
    const qsizetype rows = window.results().totalRowCount();

    platform.chooseSaveName(resultsFile);
    platform.answerYes(); // should the file exist already
    probe.start();
    const double saveSeconds = timedSeconds([&] {
        window.findChild<QPushButton*>(QStringLiteral("PushButton6"))->click();
        QCoreApplication::processEvents();
    });
    const double saveWaitMs = probe.stopMs();

    std::printf("%lld files, All Fields, duplicates removed, platform %s\n", static_cast<long long>(paths.size()),
                qPrintable(QGuiApplication::platformName()));
    std::printf("%-18s %7.2f s  %lld rows  longest event wait %6.1f ms  longest gap between turns %6.1f ms\n",
                between ? "Between X and Y:" : "Extract All Lines:", extractSeconds, static_cast<long long>(rows), extractWaitMs, extractGapMs);
    std::printf("                   CPU %.2f s, of it the window's thread %.2f s; %.2f cores busy\n", extractCpuSeconds,
                windowCpuSeconds, extractCpuSeconds / extractSeconds);
    std::printf("Save as text file: %7.2f s  longest event wait %6.1f ms\n", saveSeconds, saveWaitMs);
    std::printf("Total:             %7.2f s  peak resident memory %.1f MB\n", extractSeconds + saveSeconds,
                megabytes(peakResidentBytes()));
    for (const auto& box : platform.boxes)
        std::printf("box: %s\n", qPrintable(QString(box.text).replace(u'\r', u' ')));
    return 0;
}
