// SPDX-License-Identifier: GPL-3.0-or-later
// Settings outlive a hard kill. A child process (this program, started with --change-then-die)
// builds the real main window on a settings file, changes every remembered option and text through
// the controls of the main window and both tool windows, and kills itself with SIGKILL right after
// the last change (on Windows it terminates itself, as Task Manager's End task does). A fresh main
// window on the same file then shows every change.

#include "extraction/windows/Form2.h"
#include "extraction/windows/Form3.h"
#include "extraction/windows/TextSetList.h"
#include "mainwindow/Form1Fixture.h"
#include "support/NamedChild.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <csignal>
#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace cardisto;
using namespace cardisto::test;

namespace {

const char* const kChildMode = "--change-then-die";
// Written by the child just before it kills itself, so that the parent knows every change was made.
const char* const kEveryChangeMade = "every change made";

#ifdef Q_OS_WIN
// The exit status a terminated child is given; QProcess sees a normal end with that status.
constexpr int kKilled = 0x4B11;
constexpr QProcess::ExitStatus kKilledStatus = QProcess::NormalExit;
#else
constexpr int kKilled = SIGKILL;
constexpr QProcess::ExitStatus kKilledStatus = QProcess::CrashExit;
#endif

void addItem(FakePlatform& platform, Form3* textSets, const QString& text)
{
    platform.enterText(text);
    namedChild<QPushButton>(textSets, "PushButton2")->click();
}

[[noreturn]] void changeEverythingThenDie(const QString& settingsFile, const QString& programFolder)
{
    FakePlatform platform;
    SettingsStore store(settingsFile);
    Form1 form(MainWindowServices{platform, store, ProgramFolder(programFolder), [] { return 0.5; },
                                  std::chrono::milliseconds(0)});
    form.show();

    namedChild<QRadioButton>(&form, "Option2")->click();
    for (const char* box : {"Check3", "Check4", "Check6", "Check8", "Check1", "Check14"})
        namedChild<QCheckBox>(&form, box)->click();
    namedChild<QCheckBox>(&form, "Check6")->click(); // and off again
    QTest::keyClicks(namedChild<QLineEdit>(&form, "Text1"), QStringLiteral("Alpha Beta"));
    QTest::keyClicks(namedChild<QLineEdit>(&form, "Text2"), QStringLiteral("gamma"));
    QTest::keyClick(namedChild<QLineEdit>(&form, "Text2"), Qt::Key_Backspace);
    QTest::keyClicks(namedChild<QLineEdit>(&form, "Text5"), QStringLiteral("1,3,5"));
    platform.chooseFolder(programFolder);
    namedChild<QPushButton>(&form, "PushButton5")->click();

    namedChild<QPushButton>(&form, "PushButton4")->click();
    auto* between = form.findChild<Form2*>();
    QTest::keyClicks(namedChild<QLineEdit>(between, "Text3"), QStringLiteral("<td>"));
    QTest::keyClicks(namedChild<QLineEdit>(between, "Text4"), QStringLiteral("</td>"));

    namedChild<QPushButton>(&form, "PushButton15")->click();
    auto* textSets = form.findChild<Form3*>();
    addItem(platform, textSets, QStringLiteral("first"));
    addItem(platform, textSets, QStringLiteral("second"));
    addItem(platform, textSets, QStringLiteral(" third "));
    namedChild<QComboBox>(textSets, "Combo1")->setCurrentIndex(1);
    namedChild<QPushButton>(textSets, "PushButton1")->click();

    // The last change, and at once the end.
    QTest::keyClicks(namedChild<QLineEdit>(&form, "Text5"), QStringLiteral(",9"));
    std::fputs(kEveryChangeMade, stdout);
    std::fflush(stdout);
#ifdef Q_OS_WIN
    ::TerminateProcess(::GetCurrentProcess(), kKilled);
#else
    std::raise(SIGKILL);
#endif
    std::abort(); // not reached
}

} // namespace

class TestHardeningSettingsSurviveKill : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyChangeSurvivesAHardKill()
    {
        Form1Fixture f;
        QProcess changer;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        changer.setProcessEnvironment(environment);
        changer.start(QCoreApplication::applicationFilePath(),
                      {QString::fromLatin1(kChildMode), f.settingsFile(), f.programFolder()});
        if (!changer.waitForFinished(120'000)) {
            changer.kill();
            changer.waitForFinished();
            QFAIL("the child did not end");
        }
        QCOMPARE(changer.exitStatus(), kKilledStatus);
        QCOMPARE(changer.exitCode(), kKilled);
        QCOMPARE(changer.readAllStandardOutput(), QByteArray(kEveryChangeMade));

        f.start();
        QVERIFY(f.control<QRadioButton>("Option2")->isChecked());
        QVERIFY(!f.control<QRadioButton>("Option1")->isChecked());
        for (const char* box : {"Check3", "Check4", "Check8", "Check1", "Check14"})
            QVERIFY2(f.control<QCheckBox>(box)->isChecked(), box);
        QVERIFY(!f.control<QCheckBox>("Check6")->isChecked());
        QVERIFY(f.control<QCheckBox>("Check6")->isEnabled());
        QCOMPARE(f.control<QLineEdit>("Text1")->text(), QStringLiteral("Alpha Beta"));
        QCOMPARE(f.control<QLineEdit>("Text2")->text(), QStringLiteral("gamm"));
        QCOMPARE(f.control<QLineEdit>("Text5")->text(), QStringLiteral("1,3,5,9"));
        QCOMPARE(f.store().read(SettingKey::LastFolder), f.programFolder());

        f.control<QPushButton>("PushButton4")->click();
        auto* between = f.form().findChild<Form2*>();
        QCOMPARE(namedChild<QLineEdit>(between, "Text3")->text(), QStringLiteral("<td>"));
        QCOMPARE(namedChild<QLineEdit>(between, "Text4")->text(), QStringLiteral("</td>"));
        f.control<QPushButton>("PushButton15")->click();
        QCOMPARE(f.form().findChild<Form3*>()->items().items(), (QStringList{"first", " third "}));
        QVERIFY(f.platform.boxes.isEmpty());
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], kChildMode) == 0)
        changeEverythingThenDie(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestHardeningSettingsSurviveKill test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestHardeningSettingsSurviveKill.moc"
