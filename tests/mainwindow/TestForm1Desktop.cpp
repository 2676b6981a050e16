// SPDX-License-Identifier: GPL-3.0-or-later
// What a desktop user expects around the main window's controls: keys, tab order, tooltips, the
// status bar, the About box, the remembered window place, the owned tool windows and one report of
// a settings store that cannot be written; what a keyboard-only user and a screen reader meet, and
// how the window fits smaller screens.

#include "Form1Fixture.h"
#include "shell/mainwindow/CaptionedProgressBar.h"
#include "shell/mainwindow/MainWindowGeometry.h"
#include "shell/mainwindow/MainWindowStatusBar.h"
#include "shell/widgets/AboutBox.h"
#include "shell/widgets/HelpBox.h"
#include "shell/widgets/WindowPlacement.h"
#include "support/LayoutCheck.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QWindow>

using namespace cardisto;
using namespace cardisto::test;

namespace {

// The main window's controls in reading order, as Tab reaches them: the input side top to bottom,
// then the extraction side: its first command and the options beside it, the other commands row by
// row, the results and their buttons, Help. Then those of the two tool windows.
const QStringList kMainWindowControls{
    "Option2",      "Check3",       "Check4",       "Check6",       "Check8",       "Option1",      "ListView1",
    "PushButton1",  "PushButton5",  "PushButton21", "PushButton23", "PushButton3",  "PushButton11", "PushButton14",
    "PushButton13", "Check1",       "Check14",      "Check15",      "PushButton2",  "Text1",        "PushButton8",
    "Text2",        "PushButton7",  "Text5",        "PushButton10", "PushButton4",  "PushButton16", "PushButton15",
    "PushButton17", "PushButton24", "ListView2",    "PushButton6",  "PushButton12", "PushButton18", "PushButton9",  "PushButton22"};
const QStringList kBetweenControls{"Text3", "Text4", "PushButton4", "PushButton11", "PushButton1"};
const QStringList kTextSetControls{"Combo1", "PushButton2", "PushButton1", "PushButton5", "PushButton3", "PushButton4",
                                   "PushButton11"};

// Presses a key `count` times at whatever has the focus, and names what has it after each press.
QStringList focusAfterEachPress(QKeyCombination key, qsizetype count)
{
    QStringList names;
    for (qsizetype i = 0; i < count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        names.append(QApplication::focusWidget()->objectName());
    }
    return names;
}

// The controls that take the focus below an accessible object, by name, with a "?" after those a
// screen reader could not name or tell the kind of. Rows and header sections have no widget of
// their own: their list is the control.
void collectFocusable(QAccessibleInterface* object, QStringList& found)
{
    for (int i = 0; i < object->childCount(); ++i) {
        QAccessibleInterface* child = object->child(i);
        if (!child || child->state().invisible || !child->object() || !child->object()->isWidgetType())
            continue;
        const bool known = !child->text(QAccessible::Name).trimmed().isEmpty() && child->role() != QAccessible::Client;
        if (child->state().focusable)
            found.append(child->object()->objectName() + (known ? "" : "?"));
        collectFocusable(child, found);
    }
}

// A shown, active main window with two input files of three e-mail addresses in all.
struct DesktopWindow : Form1Fixture {
    DesktopWindow() { start(); }

    // Shows the main window, or another window of the program, and gives it the keyboard.
    void showActive(QWidget* window = nullptr)
    {
        window = window ? window : &form();
        window->show();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void addTwoFiles()
    {
        control<QRadioButton>("Option2")->click(); // "Some Fields:" "E-mails"
        control<QCheckBox>("Check3")->click();
        form().inputFiles().append(writeEmailsFile("a.vcf", {"ann@example.com", "bo@x.org"}));
        form().inputFiles().append(writeEmailsFile("b.vcf", {"cy@example.com"}));
    }
    QString status() { return form().statusBar().text(); }

    // Rows in both lists, clicked as a user does ("Some Fields:" then takes Tab for its group):
    // 60 files, the first of them with 60 addresses.
    void fillBothLists()
    {
        QTest::mouseClick(control<QRadioButton>("Option2"), Qt::LeftButton);
        QTest::mouseClick(control<QCheckBox>("Check3"), Qt::LeftButton);
        QStringList emails;
        for (int i = 0; i < 60; ++i)
            emails.append(QStringLiteral("person%1@example.com").arg(i));
        form().inputFiles().append(QStringList{writeEmailsFile("many.vcf", emails)} +
                                   QStringList(59, QStringLiteral("/nowhere/missing.vcf")));
        control<QPushButton>("PushButton13")->click();
    }
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
        QCOMPARE(results->selectionModel()->selectedRows(), QModelIndexList{results->model()->index(1, 0)});
        QTRY_COMPARE(w.status(), QStringLiteral("2 input files, 2 results"));
        w.control<QPushButton>("PushButton14")->click();
        QTRY_COMPARE(w.status(), QStringLiteral("No input files, 2 results"));
        QCOMPARE(MainWindowStatusBar::countsText(1, 1), QStringLiteral("1 input file, 1 result"));
    }

    void tabKeys_reachEveryControlOfEveryWindowInOrder_andLeaveTheLists_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("width"); // of the main window
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QStringList>("controls"); // of the main window: with its options beside the commands
        // "Some Fields:" is selected: Tab enters the group there.
        QStringList wide = kMainWindowControls;
        wide.removeOne("Option1");
        for (const bool backwards : {false, true}) {
            const char* key = backwards ? "Shift+Tab" : "Tab";
            QTest::addRow("main window, %s", key) << "Form1" << 1240 << backwards << wide;
            QTest::addRow("main window 1,100 wide, %s", key) << "Form1" << 1100 << backwards << wide;
            QTest::addRow("Extract Between X and Y, %s", key) << "Form2" << 1240 << backwards << kBetweenControls;
            QTest::addRow("text sets, %s", key) << "Form3" << 1240 << backwards << kTextSetControls;
        }
    }
    // With rows in both lists and items in the text set, Tab and Shift+Tab go round every control
    // of a window once, in reading order, and never stay in a list.
    void tabKeys_reachEveryControlOfEveryWindowInOrder_andLeaveTheLists()
    {
        QFETCH(QString, window);
        QFETCH(int, width);
        QFETCH(bool, backwards);
        QFETCH(QStringList, controls);
        DesktopWindow w;
        w.form().resize(width, 700);
        w.showActive();
        // The keyboard starts at the first control, entering its group at the selected option.
        QTRY_COMPARE(QApplication::focusWidget(), w.control<QWidget>("Option1"));
        w.fillBothLists();
        w.platform.enterText("@");
        w.openTextSetWindow()->findChild<QPushButton*>("PushButton2")->click();
        QWidget* shown = window == u"Form2"   ? static_cast<QWidget*>(w.openBetweenWindow())
                         : window == u"Form3" ? static_cast<QWidget*>(w.openTextSetWindow())
                                              : &w.form();
        w.showActive(shown);
        // Where the options have moved below the commands (a narrow window, or wider fonts), Tab
        // reaches them there.
        if (window == u"Form1" && w.control<QWidget>("Frame2")->y() > w.control<QWidget>("PushButton17")->y()) {
            for (const char* option : {"Check1", "Check14", "Check15"})
                controls.move(controls.indexOf(option), controls.indexOf("ListView2") - 1);
        }
        if (backwards)
            std::reverse(controls.begin(), controls.end());
        shown->findChild<QWidget*>(controls.first())->setFocus();
        controls.append(controls.takeFirst()); // round to where the walk began
        const QKeyCombination tab = backwards ? QKeyCombination(Qt::SHIFT, Qt::Key_Backtab) : QKeyCombination(Qt::Key_Tab);
        QCOMPARE(focusAfterEachPress(tab, controls.size()), controls);
    }

    void listKeys_moveTheCurrentRowAndKeepItInView_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<int>("from"); // the current row, in view or (negative) scrolled out of view
        QTest::addColumn<int>("to");   // -1: further in the key's direction
        for (const char* list : {"ListView1", "ListView2"}) {
            QTest::addRow("%s, Ctrl+End", list) << list << QKeyCombination(Qt::CTRL, Qt::Key_End) << 2 << 59;
            QTest::addRow("%s, Home", list) << list << QKeyCombination(Qt::Key_Home) << 57 << 0;
            QTest::addRow("%s, Down", list) << list << QKeyCombination(Qt::Key_Down) << -2 << 3;
            QTest::addRow("%s, Page Up", list) << list << QKeyCombination(Qt::Key_PageUp) << -57 << -1;
        }
    }
    void listKeys_moveTheCurrentRowAndKeepItInView()
    {
        QFETCH(QString, list);
        QFETCH(QKeyCombination, key);
        QFETCH(int, from);
        QFETCH(int, to);
        DesktopWindow w;
        w.showActive();
        w.fillBothLists();
        auto* view = w.control<QTableView>(qPrintable(list));
        view->setFocus();
        view->selectRow(std::abs(from));
        if (from >= 0)
            view->scrollTo(view->model()->index(from, 0));
        else
            from < -30 ? view->scrollToTop() : view->scrollToBottom();
        QTest::keyClick(view, key.key(), key.keyboardModifiers());
        const int row = view->currentIndex().row();
        QVERIFY2(to >= 0 ? row == to : row < std::abs(from) - 1, qPrintable(QString::number(row)));
        QCOMPARE(view->selectionModel()->selectedRows(), QModelIndexList{view->model()->index(row, 0)});
        const QRect shown = view->visualRect(view->currentIndex());
        QVERIFY(shown.top() >= 0 && shown.bottom() <= view->viewport()->height());
    }

    void screenReaders_findANameAndARoleForEveryControlOfEveryWindow()
    {
        DesktopWindow w;
        w.showActive();
        w.fillBothLists();
        for (const auto& [window, controls] : {std::pair<QWidget*, QStringList>{&w.form(), kMainWindowControls},
                                               {w.openBetweenWindow(), kBetweenControls},
                                               {w.openTextSetWindow(), kTextSetControls}}) {
            QStringList found;
            collectFocusable(QAccessible::queryAccessibleInterface(window), found);
            found.sort();
            QStringList expected = controls;
            expected.sort();
            QCOMPARE(found, expected);
        }
        // The progress bar by its caption, with its value.
        w.form().setProgress(40, QStringLiteral("Processing: many.vcf"));
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(w.control<QWidget>("ProgressBar1"));
        QCOMPARE(bar->text(QAccessible::Name), QStringLiteral("Processing: many.vcf"));
        QCOMPARE(bar->valueInterface()->currentValue().toInt(), 40);
    }

    void smallerWindows_reflowUntilTheyScroll_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("optionsBesideCommands");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("designed size 1,240 x 740") << QSize(1240, 740) << true << false;
        QTest::newRow("1,100 x 650: options below the commands") << QSize(1100, 650) << false << false;
        QTest::newRow("800 x 500: the window scrolls") << QSize(800, 500) << false << true;
    }
    // Every control whole and in view down to 1,100 x 650 logical pixels (a laptop of 1,366 x 768
    // at 125 %, or 1,920 x 1,080 at 150 % with a task bar); smaller windows scroll.
    void smallerWindows_reflowUntilTheyScroll()
    {
        QFETCH(QSize, size);
        QFETCH(bool, optionsBesideCommands);
        QFETCH(bool, scrolls);
        DesktopWindow w;
        w.form().resize(size);
        w.showActive();
        auto* area = w.control<QScrollArea>("ScrollArea");
        const QSize needed = area->widget()->minimumSizeHint();
        QVERIFY2((area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible()) == scrolls,
                 qPrintable(QStringLiteral("the controls need %1 x %2 in %3 x %4, font %5 %6 pt")
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(area->viewport()->width())
                                .arg(area->viewport()->height())
                                .arg(w.form().font().family())
                                .arg(w.form().font().pointSizeF())));
        QCOMPARE(controlsNotShownWhole(&w.form()).isEmpty(), !scrolls);
        QCOMPARE(w.control<QWidget>("Frame2")->y() < w.control<QWidget>("PushButton17")->y(), optionsBesideCommands);
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

    // Where they open beside the results list is seen on a real desktop (TestForm1UnderX11).
    void toolWindows_areOwnedByTheMainWindowAndOpenOnScreen()
    {
        DesktopWindow w;
        w.showActive();
        for (QWidget* tool : QList<QWidget*>{w.openBetweenWindow(), w.openTextSetWindow()}) {
            QVERIFY(QTest::qWaitForWindowExposed(tool));
            QCOMPARE(tool->windowHandle()->transientParent(), w.form().windowHandle());
            QVERIFY(tool->screen()->availableGeometry().contains(tool->frameGeometry()));
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
