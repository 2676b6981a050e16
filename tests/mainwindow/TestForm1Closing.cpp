// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the main window ends the program at once, whatever runs. A child process (this program,
// started with --close-during) builds the real main window, starts a folder scan or a run that
// would take a minute, since every turn of its event loop is made slow, and closes the window half
// a second later. The process must end soon after, through the event loop, not by a kill.

#include "Form1Fixture.h"
#include "extraction/windows/Form3.h"
#include "shell/mainwindow/ProgramEnd.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRadioButton>
#include <QThread>
#include <QTimer>
#include <cstdio>

using namespace cardisto;
using namespace cardisto::test;

namespace {

const char* const kChildMode = "--close-during";
// Said on lines of their own; the line end is left out of the search, as Windows writes CR LF.
const char* const kClosing = "closing";
const char* const kLoopReturned = "event loop returned";

void say(const char* text)
{
    std::fputs(text, stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

// The child: starts the work, closes the window while it goes on, and ends as the program does.
int closeDuring(const QString& work, const QString& folder)
{
    FakePlatform platform;
    SettingsStore store(folder + QStringLiteral("/settings.ini"));
    Form1 form(MainWindowServices{platform, store, ProgramFolder(folder), [] { return 0.5; },
                                  std::chrono::milliseconds(0)});
    const ProgramEnd end(&form);
    form.show();
    // Every turn of the event loop takes 2 ms: a scan of 5,000 folders or a run of 30,000 lines
    // would go on for a minute.
    QTimer slowTurns;
    QObject::connect(&slowTurns, &QTimer::timeout, [] { QThread::msleep(2); });
    slowTurns.start(0);

    const QString lines = folder + QStringLiteral("/lines.vcf");
    std::function<void()> start;
    if (work == u"scan") {
        platform.chooseFolder(folder + QStringLiteral("/tree"));
        start = [&] { form.controls().PushButton5->click(); };
    } else {
        form.inputFiles().append(QStringList{lines, lines});
        form.controls().Option1->click();
        if (work == u"run") {
            start = [&] { form.controls().PushButton13->click(); };
        } else {
            form.controls().PushButton15->click();
            platform.enterText(QStringLiteral("@"));
            auto* textSets = form.findChild<Form3*>();
            namedChild<QPushButton>(textSets, "PushButton2")->click();
            start = [textSets] { namedChild<QPushButton>(textSets, "PushButton4")->click(); };
        }
    }
    QTimer::singleShot(0, &form, start);
    QTimer::singleShot(500, &form, [&] {
        say(kClosing);
        form.close();
    });
    const int code = QApplication::exec();
    say(kLoopReturned);
    return ProgramEnd::finish(code, form.results());
}

} // namespace

class TestForm1Closing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QDir root(m_dir.path());
        for (int i = 0; i < 5000; ++i)
            QVERIFY(root.mkpath(QStringLiteral("tree/%1/%2").arg(i / 50).arg(i % 50)));
        QByteArray content;
        for (int i = 0; i < 15000; ++i)
            content += "BEGIN:VCARD\r\nEMAIL;TYPE=work:person" + QByteArray::number(i) + "@example.org\r\nEND:VCARD\r\n";
        writeFile(m_dir.filePath(QStringLiteral("lines.vcf")), content);
    }

    void closing_endsTheProgramAtOnce_data()
    {
        QTest::addColumn<QString>("work");
        QTest::newRow("folder scan") << "scan";
        QTest::newRow("main window run") << "run";
        QTest::newRow("tool window run") << "toolrun";
    }

    void closing_endsTheProgramAtOnce()
    {
        QFETCH(QString, work);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildMode), work, m_dir.path()});
        QByteArray output;
        while (!output.contains(kClosing) && child.waitForReadyRead(60'000))
            output += child.readAllStandardOutput();
        QVERIFY2(output.contains(kClosing), output.constData());
        // Without the stop the child goes on for a minute; the bound leaves room for a loaded machine.
        const bool ended = child.waitForFinished(5'000);
        if (!ended) {
            child.kill();
            child.waitForFinished();
        }
        QVERIFY(ended);
        output += child.readAllStandardOutput();
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        // The work noticed the closing and unwound; the process was not cut short.
        QVERIFY2(output.contains(kLoopReturned), output.constData());
    }

private:
    QTemporaryDir m_dir;
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], kChildMode) == 0)
        return closeDuring(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestForm1Closing test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestForm1Closing.moc"
