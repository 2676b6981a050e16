// SPDX-License-Identifier: GPL-3.0-or-later
// "Contacts Table" through the real main window on a large corpus: the button opens the window,
// which fills with every contact of the listed files; then the view goes to its last row, and the
// table is saved as CSV. Reports the time of each step, the longest time any event waited (a 1 ms
// timer firing late: the longest gap between the window's turns of events), the rows and the peak
// resident memory. The gaps must stay under 100 ms.
//
//   QT_QPA_PLATFORM=offscreen build-release/bin/ContactsTableWindowBench /tmp/corpus-1m /tmp/contacts.csv

#include "BenchSupport.h"
#include "extraction/ContactsTableModel.h"
#include "extraction/windows/ContactsTableWindow.h"
#include "shell/SettingsStore.h"
#include "shell/mainwindow/Form1.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

using namespace cardisto;
using namespace cardisto::bench;

namespace {

// How late a 1 ms timer fires at worst.
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
        return double(m_longest) / 1e6;
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

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER CSV_FILE\n", argv[0]);
        return 2;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    QStringList paths;
    for (const QString& name : corpus.entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name))
        paths.append(corpus.absoluteFilePath(name));

    QTemporaryDir settingsFolder;
    test::FakePlatform platform;
    SettingsStore settings(settingsFolder.filePath(QStringLiteral("settings.ini")));
    Form1 window({platform, settings, ProgramFolder(settingsFolder.path()), [] { return 0.5; }});
    window.resize(1100, 650);
    window.show();
    window.inputFiles().append(paths);
    QCoreApplication::processEvents();

    EventWaitProbe probe;
    probe.start();
    QElapsedTimer timer;
    timer.start();
    window.findChild<QPushButton*>(QStringLiteral("PushButton24"))->click();
    auto* tableWindow = window.findChild<ContactsTableWindow*>();
    // The fill starts at the next turn of events and runs inside it.
    while (tableWindow->table().totalRowCount() == 0 || tableWindow->isFilling())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::processEvents();
    const double fillSeconds = double(timer.nsecsElapsed()) / 1e9;
    const double fillWaitMs = probe.stopMs();
    const qsizetype rows = tableWindow->table().totalRowCount();
    const qint64 fillPeak = peakResidentBytes();

    auto* view = tableWindow->findChild<QTableView*>(QStringLiteral("ContactsView"));
    probe.start();
    timer.restart();
    view->scrollToBottom();
    view->viewport()->repaint();
    QCoreApplication::processEvents();
    const double scrollMs = double(timer.nsecsElapsed()) / 1e6;
    const double scrollWaitMs = probe.stopMs();

    platform.chooseSaveName(QString::fromLocal8Bit(argv[2]));
    platform.answerYes();
    probe.start();
    timer.restart();
    tableWindow->findChild<QPushButton*>(QStringLiteral("SaveAsCsv"))->click();
    const double saveSeconds = double(timer.nsecsElapsed()) / 1e9;
    const double saveWaitMs = probe.stopMs();

    std::printf("%lld files, %lld contacts, %d columns, platform %s\n", static_cast<long long>(paths.size()),
                static_cast<long long>(rows), tableWindow->table().columnCount(),
                qPrintable(QGuiApplication::platformName()));
    std::printf("fill:        %7.2f s  longest event wait %6.1f ms  peak resident memory %.1f MB\n", fillSeconds,
                fillWaitMs, megabytes(fillPeak));
    std::printf("last row:    %7.1f ms longest event wait %6.1f ms\n", scrollMs, scrollWaitMs);
    std::printf("save as CSV: %7.2f s  longest event wait %6.1f ms\n", saveSeconds, saveWaitMs);
    for (const auto& box : platform.boxes)
        std::printf("box: %s\n", qPrintable(QString(box.text).replace(u'\r', u' ')));
    return 0;
}
