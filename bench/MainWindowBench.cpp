// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's responsiveness during a long "Extract All Lines": how long the run takes, and
// how long a pending event (a click, a repaint) waits at most. The waits must stay under 100 ms.
//
//   MainWindowBench [CONTACTS] [--files N] [--interval MS]... [--dedupe] [--all-fields]
//
// Writes N files (default 100) of CONTACTS contacts in all (default 1000000), each with a name and
// an e-mail address, and runs "Extract All Lines" over them, taking the e-mail addresses (or all
// fields), once per yield interval given (default 2, 8, 16, 32 and 50 ms) on the real window and
// list view. Run it on a display or offscreen:
//
//   QT_QPA_PLATFORM=offscreen build-release/bin/MainWindowBench
//   xvfb-run -s "-screen 0 1280x800x24" build-release/bin/MainWindowBench

#include "BenchSupport.h"
#include "shell/SettingsStore.h"
#include "shell/mainwindow/Form1.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

using namespace cardisto;
using namespace cardisto::bench;

namespace {

QStringList writeFiles(const QString& folder, qsizetype lines, int files)
{
    QStringList paths;
    qsizetype written = 0;
    for (int f = 0; f < files; ++f) {
        const qsizetype share = (lines - written) / (files - f);
        QByteArray content;
        for (qsizetype i = 0; i < share; ++i)
            content += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Person " + QByteArray::number(written + i) +
                       "\r\nEMAIL:person" + QByteArray::number(written + i) + "@example.org\r\nEND:VCARD\r\n";
        written += share;
        const QString path = QDir(folder).filePath(QStringLiteral("f%1.vcf").arg(f, 4, 10, QChar(u'0')));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        paths.append(path);
    }
    return paths;
}

struct RunResult {
    double seconds = 0;
    double longestWaitMs = 0; // between two firings of a 1 ms timer: how long any event waited
    double longestGapMs = 0;  // between two turns of the command's own yields
    qint64 turns = 0;
    qsizetype rows = 0;
};

RunResult runOnce(const QStringList& files, std::chrono::milliseconds interval, bool dedupe, bool allFields)
{
    QTemporaryDir settingsFolder;
    test::FakePlatform platform;
    SettingsStore settings(settingsFolder.filePath(QStringLiteral("settings.ini")));
    Form1 window({platform, settings, ProgramFolder(settingsFolder.path()), [] { return 0.5; }, interval});
    window.show();
    if (!allFields) {
        window.findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
        window.findChild<QCheckBox*>(QStringLiteral("Check3"))->click();
    }
    window.findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(dedupe);
    window.inputFiles().append(files);
    QCoreApplication::processEvents();

    QElapsedTimer sinceFiring;
    qint64 longestWait = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longestWait = std::max(longestWait, sinceFiring.nsecsElapsed());
        sinceFiring.restart();
    });
    probe.start();
    sinceFiring.start();

    QElapsedTimer run;
    run.start();
    window.findChild<QPushButton*>(QStringLiteral("PushButton13"))->click();
    QCoreApplication::processEvents(); // the last rows reach the view
    RunResult result;
    result.seconds = run.nsecsElapsed() / 1e9;
    longestWait = std::max(longestWait, sinceFiring.nsecsElapsed());
    probe.stop();
    result.longestWaitMs = longestWait / 1e6;
    result.longestGapMs = window.eventLoopYield().longestGap().count() / 1e6;
    result.turns = window.eventLoopYield().turnCount();
    result.rows = window.results().totalRowCount();
    if (!platform.boxes.isEmpty())
        qFatal("unexpected box: %s", qPrintable(platform.boxes.constFirst().text));
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    qsizetype lines = 1000000;
    int files = 100;
    bool dedupe = false;
    bool allFields = false;
    QList<int> intervals;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == u"--files" && i + 1 < arguments.size())
            files = std::max(1, arguments.at(++i).toInt());
        else if (argument == u"--interval" && i + 1 < arguments.size())
            intervals.append(arguments.at(++i).toInt());
        else if (argument == u"--dedupe")
            dedupe = true;
        else if (argument == u"--all-fields")
            allFields = true;
        else
            lines = std::max<qsizetype>(1, argument.toLongLong());
    }
    if (intervals.isEmpty())
        intervals = {2, 8, 16, 32, 50};

    QTemporaryDir folder;
    const QStringList paths = writeFiles(folder.path(), lines, files);
    std::printf("%lld contacts in %d files, %s, duplicates %s, platform %s\n", static_cast<long long>(lines), files,
                allFields ? "All Fields" : "E-mails", dedupe ? "removed" : "kept",
                qPrintable(QGuiApplication::platformName()));
    std::printf("interval  run time  longest wait  longest gap  turns     rows\n");
    for (int interval : intervals) {
        const RunResult r = runOnce(paths, std::chrono::milliseconds(interval), dedupe, allFields);
        std::printf("%5d ms  %7.2f s  %9.1f ms  %8.1f ms  %6lld  %7lld\n", interval, r.seconds, r.longestWaitMs,
                    r.longestGapMs, static_cast<long long>(r.turns), static_cast<long long>(r.rows));
        std::fflush(stdout);
    }
    std::printf("peak resident memory: %.1f MB\n", megabytes(peakResidentBytes()));
    return 0;
}
