// SPDX-License-Identifier: GPL-3.0-or-later
// The two tool windows as the main window opens them: created once and only hidden when closed,
// help from both sides, the end of the program, runs beside a main-window run, and the text set
// across restarts.

#include "extraction/ContactsTableModel.h"
#include "extraction/ResultsModel.h"
#include "extraction/windows/ContactsTableWindow.h"
#include "extraction/windows/Form2.h"
#include "extraction/windows/Form3.h"
#include "extraction/windows/ToolWindowHelp.h"
#include "mainwindow/Form1Fixture.h"
#include "shell/mainwindow/CaptionedProgressBar.h"
#include "shell/mainwindow/MainWindowStatusBar.h"
#include "support/ResultRows.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

using namespace cardisto;
using namespace cardisto::test;

namespace {

// A main window set to take e-mail addresses.
struct MainWindow : Form1Fixture {
    MainWindow() { startTakingEmails(); }

    void startTakingEmails()
    {
        start();
        form().controls().Option2->click();
        form().controls().Check3->setChecked(true);
    }

    QStringList rows() { return resultTexts(form().results()); }
};

QStringList comboItems(Form3* window)
{
    auto* combo = namedChild<QComboBox>(window, "Combo1");
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

void addItem(MainWindow& main, Form3* window, const QString& text)
{
    main.platform.enterText(text);
    namedChild<QPushButton>(window, "PushButton2")->click();
}

} // namespace

class TestToolWindowsInMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void toolWindows_areCreatedOnceShownWithoutModalityAndOnlyHiddenWhenClosed()
    {
        MainWindow main;
        main.form().show();
        Form2* between = main.openBetweenWindow();
        QVERIFY(between && between->isVisible());
        QVERIFY(!between->isModal());
        QVERIFY(main.form().isEnabled());
        QTest::keyClicks(namedChild<QLineEdit>(between, "Text3"), "<b>");
        namedChild<QPushButton>(between, "PushButton1")->click();
        QVERIFY(between->isHidden());

        Form3* textSets = main.openTextSetWindow();
        addItem(main, textSets, "kept");
        QVERIFY(!textSets->close());

        QCOMPARE(main.openBetweenWindow(), between);
        QVERIFY(between->isVisible());
        QCOMPARE(namedChild<QLineEdit>(between, "Text3")->text(), QString("<b>"));
        QCOMPARE(main.openTextSetWindow(), textSets);
        QCOMPARE(comboItems(textSets), QStringList{"kept"});
        QCOMPARE(main.form().findChildren<ToolWindow*>().size(), 2);
        QVERIFY(main.platform.errors().isEmpty());
        // In the main window's type, not the desktop's.
        QCOMPARE(namedChild<QPushButton>(between, "PushButton4")->font(), main.form().font());
        QCOMPARE(namedChild<QPushButton>(textSets, "PushButton4")->font(), main.form().font());
    }

    // With no item selected the list says how many it holds, also after a restart.
    void textSetList_showsHowManyItemsItHolds()
    {
        MainWindow main;
        const auto shown = [&main] { return namedChild<QComboBox>(main.openTextSetWindow(), "Combo1")->placeholderText(); };
        QCOMPARE(shown(), QStringLiteral("No items"));
        addItem(main, main.openTextSetWindow(), "a");
        QCOMPARE(shown(), QStringLiteral("1 item, none selected"));
        addItem(main, main.openTextSetWindow(), "b");
        main.restart();
        QCOMPARE(shown(), QStringLiteral("2 items, none selected"));
    }

    // "Contacts Table" follows the main window's list and its "Show source filename".
    void contactsTable_followsTheInputListAndTheSourceOption()
    {
        MainWindow main;
        main.form().show();
        const QString first = main.writeEmailsFile("first.vcf", {"one@x", "two@x"});
        main.form().inputFiles().append(first);
        main.form().controls().PushButton24->click();
        auto* window = main.form().findChild<ContactsTableWindow*>();
        QVERIFY(window && window->isVisible());
        const QAbstractItemModel& table = window->table();
        QTRY_COMPARE(table.rowCount(), 2);
        QCOMPARE(table.data(table.index(1, 18)).toString(), QString("two@x"));

        main.form().controls().Check14->setChecked(true);
        QCOMPARE(table.headerData(0, Qt::Horizontal).toString(), QString("Source"));
        QCOMPARE(table.data(table.index(0, 0)).toString(), first);
        main.form().inputFiles().append(main.writeEmailsFile("second.vcf", {"three@x"}));
        QTRY_COMPARE(table.rowCount(), 3);
        main.form().inputFiles().clear();
        QTRY_COMPARE(table.rowCount(), 0);
        QVERIFY(main.platform.errors().isEmpty());
    }

    void helpButtons_ofBothWindowsShowTheSameMessages()
    {
        MainWindow main;
        main.form().controls().PushButton16->click();
        main.form().controls().PushButton17->click();
        namedChild<QPushButton>(main.openBetweenWindow(), "PushButton11")->click();
        namedChild<QPushButton>(main.openTextSetWindow(), "PushButton11")->click();
        QCOMPARE(main.platform.messages(), (QStringList{betweenMarkersHelpText(), textSetHelpText(),
                                                        betweenMarkersHelpText(), textSetHelpText()}));
    }

    void closingTheMainWindowWhileAToolWindowIsVisible_endsTheProgram()
    {
        MainWindow main;
        main.form().show();
        Form2* between = main.openBetweenWindow();
        Form3* textSets = main.openTextSetWindow();
        QTimer::singleShot(0, &main.form(), [&] { main.form().close(); });
        // Should closing not end the program, the test ends the loop itself after a while.
        QTimer stillRunning;
        stillRunning.setSingleShot(true);
        QObject::connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        stillRunning.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!main.form().isVisible());
        QVERIFY(!between->isVisible());
        QVERIFY(!textSets->isVisible());
        QVERIFY(main.platform.errors().isEmpty());
    }

    void toolWindowRuns_whileAMainWindowRunIsGoing_workOnTheSameResults()
    {
        MainWindow main;
        const QString first = main.writeEmailsFile("first.vcf", {"pa@n.x", "one@x"});
        const QString second = main.writeEmailsFile("second.vcf", {"two@x"});
        main.form().inputFiles().append(QStringList{first, second});
        Form2* between = main.openBetweenWindow();
        QTest::keyClicks(namedChild<QLineEdit>(between, "Text3"), "p");
        QTest::keyClicks(namedChild<QLineEdit>(between, "Text4"), "n");
        Form3* textSets = main.openTextSetWindow();
        addItem(main, textSets, "TWO");

        // Pressed while "Extract All Lines" yields before the second line of the first file.
        bool pressed = false;
        QObject::connect(&main.form().results(), &QAbstractItemModel::rowsInserted, between, [&] {
            if (std::exchange(pressed, true))
                return;
            namedChild<QPushButton>(between, "PushButton4")->click();
            namedChild<QPushButton>(textSets, "PushButton4")->click();
        });
        main.form().controls().PushButton13->click();
        QVERIFY(pressed);
        // The between run cleared the line listed so far and listed its stretch, the text-set run
        // appended its line, then "Extract All Lines" went on where it was.
        QCOMPARE(main.rows(), (QStringList{"pa@", "two@x", "one@x", "two@x"}));
        QVERIFY(textSets->isHidden());
        QVERIFY(!main.form().isBusy());
        QVERIFY(!between->showsHourglass());
        QVERIFY(main.platform.messages().isEmpty());
    }

    void esc_stopsTheRunsOfItsWindow_data()
    {
        QTest::addColumn<QString>("runWindow");
        QTest::addColumn<QString>("escWindow");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("stopped"); // the progress caption and status note; empty: not stopped
        const QStringList all{"1@x", "2@x", "3@x"};
        const QString inFirst = QStringLiteral("Stopped in file 1 of 2");
        QTest::newRow("main window run, Esc in the main window") << "Form1" << "Form1" << QStringList{"1@x"} << inFirst;
        QTest::newRow("main window run, Esc in a tool window") << "Form1" << "Form3" << all << QString();
        QTest::newRow("text-set run, Esc in its window") << "Form3" << "Form3" << QStringList{"1@x"} << inFirst;
        QTest::newRow("text-set run, Esc in the main window") << "Form3" << "Form1" << QStringList{"1@x"} << inFirst;
        QTest::newRow("text-set run, Esc in the other tool window") << "Form3" << "Form2" << all << QString();
        // Stretches are offered file by file: the stop comes before the next file.
        QTest::newRow("between-markers run, Esc in its window")
            << "Form2" << "Form2" << QStringList{"@", "@"} << QStringLiteral("Stopped after 1 of 2 files");
    }

    // Esc in the window that started a run, or in the main window, ends the run after the current
    // line; the rows found so far stay, the progress bar and the status bar say where it stopped,
    // and the next run is neither stopped by that press nor said to be stopped.
    void esc_stopsTheRunsOfItsWindow()
    {
        QFETCH(QString, runWindow);
        QFETCH(QString, escWindow);
        QFETCH(QStringList, rows);
        QFETCH(QString, stopped);
        MainWindow main;
        main.form().inputFiles().append(QStringList{main.writeEmailsFile("first.vcf", {"1@x", "2@x"}),
                                                    main.writeEmailsFile("second.vcf", {"3@x"})});
        Form2* between = main.openBetweenWindow();
        Form3* textSets = main.openTextSetWindow();
        addItem(main, textSets, "@x");
        namedChild<QLineEdit>(between, "Text3")->setText("@");
        namedChild<QLineEdit>(between, "Text4")->setText("x");
        QWidget* const windows[] = {&main.form(), between, textSets};
        QWidget* escTarget = *std::find_if(std::begin(windows), std::end(windows),
                                           [&](QWidget* window) { return window->objectName() == escWindow; });
        const auto run = [&] {
            if (runWindow == u"Form1")
                main.form().controls().PushButton13->click();
            else
                namedChild<QPushButton>(runWindow == u"Form2" ? static_cast<QWidget*>(between) : textSets,
                                        "PushButton4")
                    ->click();
        };
        // Pressed as the first row reaches the view, at the yield before the second line.
        bool pressed = false;
        const QMetaObject::Connection press =
            QObject::connect(&main.form().results(), &QAbstractItemModel::rowsInserted, between, [&] {
                if (!std::exchange(pressed, true))
                    QTest::keyClick(escTarget, Qt::Key_Escape);
            });
        run();
        QVERIFY(pressed);
        QCOMPARE(main.rows(), rows);
        QCOMPARE(main.form().controls().ProgressBar1->caption(),
                 stopped.isEmpty() ? QStringLiteral("Progress Bar") : stopped);
        QCOMPARE(main.form().statusBar().note(), stopped);
        QVERIFY(!main.form().isBusy());

        QObject::disconnect(press);
        main.form().controls().PushButton9->click();
        run();
        QCOMPARE(main.rows().size(), 3);
        QCOMPARE(main.form().controls().ProgressBar1->caption(), QStringLiteral("Progress Bar"));
        QCOMPARE(main.form().statusBar().note(), QString());
    }

    void textSet_isRestoredAfterARestart_butALoadAloneIsNotStored()
    {
        MainWindow main;
        Form3* textSets = main.openTextSetWindow();
        addItem(main, textSets, "a");
        addItem(main, textSets, " b ");
        main.platform.chooseFiles({main.writeFile("items.txt", "loaded\r\n")});
        namedChild<QPushButton>(textSets, "PushButton3")->click();
        QCOMPARE(comboItems(textSets), (QStringList{"a", " b ", "loaded"}));

        main.restart();
        textSets = main.openTextSetWindow();
        QCOMPARE(comboItems(textSets), (QStringList{"a", " b "}));
        namedChild<QPushButton>(textSets, "PushButton5")->click();

        main.restart();
        QVERIFY(comboItems(main.openTextSetWindow()).isEmpty());
    }
};

QTEST_MAIN(TestToolWindowsInMainWindow)
#include "TestToolWindowsInMainWindow.moc"
