// SPDX-License-Identifier: GPL-3.0-or-later
// What a desktop user expects around the main window's controls: keys, tab order, tooltips, the
// status bar, the About box, the remembered window place, the owned tool windows and one report of
// a settings store that cannot be written.

#include "Form1Fixture.h"
#include "shell/mainwindow/MainWindowStatusBar.h"
#include "shell/widgets/AboutBox.h"
#include "shell/widgets/HelpBox.h"
#include "shell/widgets/WindowPlacement.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QWindow>

using namespace cardisto;
using namespace cardisto::test;

namespace {

// A shown, active main window with two input files of three e-mail addresses in all.
struct DesktopWindow : Form1Fixture {
    DesktopWindow() { start(); }

    void showActive()
    {
        form().show();
        QApplication::setActiveWindow(&form());
        QVERIFY(QTest::qWaitForWindowActive(&form()));
    }
    void addTwoFiles()
    {
        control<QRadioButton>("Option2")->click(); // "Some Fields:" "E-mails"
        control<QCheckBox>("Check3")->click();
        form().inputFiles().append(writeEmailsFile("a.vcf", {"ann@example.com", "bo@x.org"}));
        form().inputFiles().append(writeEmailsFile("b.vcf", {"cy@example.com"}));
    }
    QString status() { return form().statusBar().text(); }
};

} // namespace

class TestForm1Desktop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keys_pressTheirButtons_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("button");
        QTest::newRow("F1 Help") << QKeyCombination(Qt::Key_F1) << "PushButton22";
        QTest::newRow("Ctrl+O Add VCF Files") << QKeyCombination(Qt::CTRL, Qt::Key_O) << "PushButton1";
        QTest::newRow("Ctrl+S Save Results As Text File") << QKeyCombination(Qt::CTRL, Qt::Key_S) << "PushButton6";
        QTest::newRow("Ctrl+Shift+C Copy Results")
            << QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_C) << "PushButton18";
        QTest::newRow("Ctrl+T Contacts Table") << QKeyCombination(Qt::CTRL, Qt::Key_T) << "PushButton24";
    }
    void keys_pressTheirButtons()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, button);
        DesktopWindow w;
        w.showActive();
        QSignalSpy clicked(w.control<QPushButton>(qPrintable(button)), &QPushButton::clicked);
        QTest::keyClick(w.control<QLineEdit>("Text1"), key.key(), key.keyboardModifiers());
        QCOMPARE(clicked.size(), 1);
        QVERIFY(w.control<QPushButton>(qPrintable(button))
                    ->toolTip()
                    .contains(QKeySequence(key).toString(QKeySequence::NativeText)));
    }

    void keys_shiftF1ShowsAboutAndCtrlQCloses()
    {
        DesktopWindow w;
        w.showActive();
        QTest::keyClick(&w.form(), Qt::Key_F1, Qt::ShiftModifier);
        QCOMPARE(w.platform.messages(), QStringList{aboutBoxText()});
        QCOMPARE(w.platform.lastBox().caption, QStringLiteral("About Cardisto"));
        QTest::keyClick(&w.form(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!w.form().isVisible());
        QVERIFY(w.form().isClosing());
    }

    void aboutBox_namesVersionLicenceAndQt_andIsReachedFromHelp()
    {
        QVERIFY(aboutBoxText().startsWith(QStringLiteral("Cardisto " CARDISTO_VERSION "\r")));
        QVERIFY(aboutBoxText().contains("GPL-3.0-or-later"));
        QVERIFY(aboutBoxText().contains(QStringLiteral("Qt ") + qVersion()));
        DesktopWindow w;
        w.platform.pressOfferedButton();
        w.control<QPushButton>("PushButton22")->click();
        QCOMPARE(w.platform.messages(), QStringList({helpBoxText(), aboutBoxText()}));
        QCOMPARE(w.platform.offeredButtons, QStringList{"About Cardisto"});
        w.control<QPushButton>("PushButton22")->click(); // OK only: no About
        QCOMPARE(w.platform.messages().size(), 3);
    }

    void enterInATextBox_runsTheCommandBesideIt_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("button");
        QTest::newRow("containing") << "Text1"
                                    << "PushButton2";
        QTest::newRow("not containing") << "Text2"
                                        << "PushButton8";
        QTest::newRow("by number") << "Text5"
                                   << "PushButton7";
    }
    void enterInATextBox_runsTheCommandBesideIt()
    {
        QFETCH(QString, box);
        QFETCH(QString, button);
        DesktopWindow w;
        w.showActive();
        QSignalSpy clicked(w.control<QPushButton>(qPrintable(button)), &QPushButton::clicked);
        auto* text = w.control<QLineEdit>(qPrintable(box));
        text->setText("1");
        QTest::keyClick(text, Qt::Key_Return);
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(w.platform.messages(), QStringList{"No files added."});
    }

    void deleteKey_removesTheSelectedResultRow_andTheStatusBarCounts()
    {
        DesktopWindow w;
        w.showActive();
        QCOMPARE(w.status(), QStringLiteral("No input files, no results"));
        w.addTwoFiles();
        QTRY_COMPARE(w.status(), QStringLiteral("2 input files, no results"));
        w.control<QPushButton>("PushButton13")->click();
        QCOMPARE(w.form().results().totalRowCount(), 3);
        QTRY_COMPARE(w.status(), QStringLiteral("2 input files, 3 results"));

        auto* results = w.control<QTableView>("ListView2");
        results->setFocus();
        results->selectRow(1);
        QTest::keyClick(results, Qt::Key_Delete);
        QCOMPARE(w.form().results().totalRowCount(), 2);
        QCOMPARE(results->model()->index(1, 0).data().toString(), QStringLiteral("cy@example.com"));
        QTRY_COMPARE(w.status(), QStringLiteral("2 input files, 2 results"));
        w.control<QPushButton>("PushButton14")->click();
        QTRY_COMPARE(w.status(), QStringLiteral("No input files, 2 results"));
        QCOMPARE(MainWindowStatusBar::countsText(1, 1), QStringLiteral("1 input file, 1 result"));
    }

    void tabOrder_followsThePlacesOnTheWindow()
    {
        DesktopWindow w;
        w.showActive();
        QStringList chain;
        QWidget* widget = w.control<QRadioButton>("Option2");
        do {
            // A group of option buttons takes Tab at its selected button, so the policies change.
            if (widget->focusPolicy() != Qt::NoFocus && widget->objectName().contains(QRegularExpression("^[A-Z]")))
                chain.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != w.control<QRadioButton>("Option2") && chain.size() < 100);
        // The input side top to bottom, then the extraction side: its first command and the
        // options beside it, the other commands row by row, the results and their buttons, Help.
        const QStringList expected{"Option2",      "Check3",       "Check4",       "Check6",       "Check8",
                                   "Option1",      "ListView1",    "PushButton1",  "PushButton5",  "PushButton21",
                                   "PushButton23", "PushButton3",  "PushButton11", "PushButton14", "PushButton13",
                                   "Check1",       "Check14",      "Check15",      "PushButton2",  "Text1",
                                   "PushButton8",  "Text2",        "PushButton7",  "Text5",        "PushButton10",
                                   "PushButton4",  "PushButton16", "PushButton15", "PushButton17", "PushButton24",
                                   "ListView2",
                                   "PushButton6",  "PushButton12", "PushButton18", "PushButton9",  "PushButton22"};
        QCOMPARE(chain, expected);
    }

    void emptyList_showsWhenItHasTheFocus()
    {
        DesktopWindow w;
        w.showActive();
        auto* list = w.control<QTableView>("ListView1");
        w.control<QPushButton>("PushButton1")->setFocus();
        const QImage without = list->grab().toImage();
        list->setFocus();
        QTRY_VERIFY(list->hasFocus());
        QVERIFY(list->grab().toImage() != without);
    }

    void everyButton_hasItsCaptionAsTooltip()
    {
        DesktopWindow w;
        QList<QPushButton*> buttons = w.form().findChildren<QPushButton*>();
        buttons += w.openBetweenWindow()->findChildren<QPushButton*>();
        buttons += w.openTextSetWindow()->findChildren<QPushButton*>();
        QVERIFY(buttons.size() > 25);
        for (const QPushButton* button : std::as_const(buttons))
            QVERIFY2(button->toolTip().startsWith(button->text()), qPrintable(button->objectName()));
    }

    void window_fitsSmallScreensAndComesBackWhereItWas_data()
    {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<bool>("kept"); // false: moved and shrunk into the screen
        QTest::newRow("on screen") << QRect(30, 40, 600, 400) << true;
        QTest::newRow("off to the right") << QRect(5000, 40, 600, 400) << false;
        QTest::newRow("larger than the screen") << QRect(0, 0, 3000, 2000) << false;
        QTest::newRow("nothing stored") << QRect() << false;
    }
    void window_fitsSmallScreensAndComesBackWhereItWas()
    {
        QFETCH(QRect, stored);
        QFETCH(bool, kept);
        DesktopWindow w;
        QVERIFY(w.form().minimumSizeHint().width() <= 800 && w.form().minimumSizeHint().height() <= 560);
        if (stored.isValid()) {
            w.form().setGeometry(stored);
            QVERIFY(w.form().close());
        }
        Form1& form = w.restart();
        const QRect screen = form.screen()->availableGeometry();
        QVERIFY2(
            screen.contains(form.geometry().marginsAdded(kAssumedFrameMargins)),
            qPrintable(QStringLiteral("%1,%2 %3x%4").arg(form.x()).arg(form.y()).arg(form.width()).arg(form.height())));
        if (kept)
            QCOMPARE(form.geometry(), stored);
        QVERIFY(!form.isMaximized());
    }

    void maximisedWindow_comesBackMaximised()
    {
        DesktopWindow w;
        w.form().showMaximized();
        QVERIFY(w.form().close());
        QCOMPARE(w.store().read(SettingKey::WindowMaximized), QStringLiteral("True"));
        QVERIFY(w.restart().windowState().testFlag(Qt::WindowMaximized));
    }

    void toolWindows_areOwnedByTheMainWindowAndOpenOnScreen()
    {
        DesktopWindow w;
        w.showActive();
        for (QWidget* tool : QList<QWidget*>{w.openBetweenWindow(), w.openTextSetWindow()}) {
            QVERIFY(QTest::qWaitForWindowExposed(tool));
            QCOMPARE(tool->windowHandle()->transientParent(), w.form().windowHandle());
            QVERIFY(tool->screen()->availableGeometry().contains(tool->frameGeometry()));
            QCOMPARE(tool->geometry().center(), w.form().frameGeometry().center());
        }
    }

    void settingsThatCannotBeSaved_areReportedOnceForAllWindows()
    {
        Form1Fixture f;
        QVERIFY(QDir().mkpath(f.settingsFile())); // a folder where the settings file should be
        Form1& form = f.start();
        QCOMPARE(f.platform.messages(), QStringList{settingsNotSavedMessage(f.store().location())});
        QVERIFY(f.platform.messages()[0].contains(f.settingsFile()));
        f.control<QLineEdit>("Text1")->setText("abc");
        f.openBetweenWindow()->findChild<QLineEdit*>("Text3")->setText("x");
        f.platform.enterText("item");
        f.openTextSetWindow()->findChild<QPushButton*>("PushButton2")->click();
        QVERIFY(form.close());
        QCOMPARE(f.platform.messages().size(), 1);
        QVERIFY(f.platform.errors().isEmpty());
    }
};

QTEST_MAIN(TestForm1Desktop)
#include "TestForm1Desktop.moc"
