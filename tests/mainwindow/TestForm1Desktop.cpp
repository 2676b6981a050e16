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
#include "support/KeyboardWalk.h"
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
// row, the results and their buttons, Help.
const QStringList kMainWindowControls{
    "Option2",      "Check3",       "Check4",       "Check6",       "Check8",       "Option1",      "ListView1",
    "PushButton1",  "PushButton5",  "PushButton21", "PushButton23", "PushButton3",  "PushButton11", "PushButton14",
    "PushButton13", "Check1",       "Check14",      "Check15",      "PushButton2",  "Text1",        "PushButton8",
    "Text2",        "PushButton7",  "Text5",        "PushButton10", "PushButton4",  "PushButton16", "PushButton15",
    "PushButton17", "ListView2",    "PushButton6",  "PushButton12", "PushButton18", "PushButton9",  "PushButton22"};

// The same on a narrower window, where the options have moved below the commands.
QStringList narrowMainWindowControls()
{
    QStringList order = kMainWindowControls;
    const QStringList options{"Check1", "Check14", "Check15"};
    for (const QString& option : options)
        order.removeOne(option);
    for (qsizetype i = 0; i < options.size(); ++i)
        order.insert(order.indexOf("PushButton17") + 1 + i, options[i]);
    return order;
}

// The controls of the tool windows in reading order.
const QStringList kBetweenControls{"Text3", "Text4", "PushButton4", "PushButton11", "PushButton1"};
const QStringList kTextSetControls{"Combo1",      "PushButton2", "PushButton1", "PushButton5",
                                   "PushButton3", "PushButton4", "PushButton11"};

// What a screen reader finds below an accessible object: the controls that take the focus, by
// name, and those among them it could not name or tell the kind of.
struct AccessibleWalk {
    QStringList focusable;
    QStringList unnamed;

    void walk(QAccessibleInterface* object)
    {
        for (int i = 0; i < object->childCount(); ++i) {
            QAccessibleInterface* child = object->child(i);
            // Rows and header sections have no widget of their own: their list is the control.
            if (!child || !child->isValid() || child->state().invisible || !child->object() ||
                !child->object()->isWidgetType())
                continue;
            if (child->state().focusable) {
                const QString name = child->object()->objectName();
                focusable.append(name);
                if (child->text(QAccessible::Name).trimmed().isEmpty() || child->role() == QAccessible::NoRole ||
                    child->role() == QAccessible::Client)
                    unnamed.append(name);
            }
            walk(child);
        }
    }
};

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

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

    // Shows a window of the program and gives it the keyboard.
    static void activate(QWidget* window)
    {
        window->show();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    // Rows in both lists: 60 input files, the first of them with 60 addresses, and their results.
    void fillBothLists()
    {
        // "Some Fields:" "E-mails", clicked as a user does: the group now takes Tab at "Some Fields:".
        QTest::mouseClick(control<QRadioButton>("Option2"), Qt::LeftButton);
        QTest::mouseClick(control<QCheckBox>("Check3"), Qt::LeftButton);
        QStringList emails;
        for (int i = 0; i < 60; ++i)
            emails.append(QStringLiteral("person%1@example.com").arg(i));
        form().inputFiles().append(writeEmailsFile("many.vcf", emails));
        for (int i = 1; i < 60; ++i)
            form().inputFiles().append(QStringLiteral("/nowhere/missing%1.vcf").arg(i));
        control<QPushButton>("PushButton13")->click();
        QCOMPARE(form().results().totalRowCount(), 60);
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

    void tabOrder_followsThePlacesOnTheWindow()
    {
        DesktopWindow w;
        w.form().resize(MainWindowGeometry::kDesignedSize);
        w.showActive();
        // The keyboard starts at the first control, entering its group at the selected option.
        QTRY_COMPARE(QApplication::focusWidget(), w.control<QWidget>("Option1"));
        QStringList chain;
        QWidget* widget = w.control<QRadioButton>("Option2");
        do {
            // A group of option buttons takes Tab at its selected button, so the policies change.
            if (widget->focusPolicy() != Qt::NoFocus && widget->objectName().contains(QRegularExpression("^[A-Z]")))
                chain.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != w.control<QRadioButton>("Option2") && chain.size() < 100);
        QCOMPARE(chain, kMainWindowControls);
    }

    void tabKeys_reachEveryControlOfEveryWindowInOrder_andLeaveTheLists_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("size"); // of the main window
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QStringList>("controls");
        // "All Fields" is not selected: Tab reaches the group of option buttons at "Some Fields:".
        QStringList wide = kMainWindowControls;
        QStringList narrow = narrowMainWindowControls();
        wide.removeOne("Option1");
        narrow.removeOne("Option1");
        const QSize designed = MainWindowGeometry::kDesignedSize;
        const QSize small(1100, 650);
        QTest::newRow("main window, Tab") << "Form1" << designed << false << wide;
        QTest::newRow("main window, Shift+Tab") << "Form1" << designed << true << wide;
        QTest::newRow("main window 1,100 wide, Tab") << "Form1" << small << false << narrow;
        QTest::newRow("main window 1,100 wide, Shift+Tab") << "Form1" << small << true << narrow;
        QTest::newRow("Extract Between X and Y, Tab") << "Form2" << designed << false << kBetweenControls;
        QTest::newRow("Extract Between X and Y, Shift+Tab") << "Form2" << designed << true << kBetweenControls;
        QTest::newRow("text sets, Tab") << "Form3" << designed << false << kTextSetControls;
        QTest::newRow("text sets, Shift+Tab") << "Form3" << designed << true << kTextSetControls;
    }
    // With rows in both lists and items in the text set, Tab and Shift+Tab go round every control
    // of a window once, in reading order, and never stay in a list.
    void tabKeys_reachEveryControlOfEveryWindowInOrder_andLeaveTheLists()
    {
        QFETCH(QString, window);
        QFETCH(QSize, size);
        QFETCH(bool, backwards);
        QFETCH(QStringList, controls);
        DesktopWindow w;
        w.form().resize(size);
        w.showActive();
        w.fillBothLists();
        w.platform.enterText("@");
        w.openTextSetWindow()->findChild<QPushButton*>("PushButton2")->click();
        QWidget* shown = &w.form();
        if (window == u"Form2")
            shown = w.openBetweenWindow();
        else if (window == u"Form3")
            shown = w.openTextSetWindow();
        DesktopWindow::activate(shown);
        const QStringList order = walkOrder(controls, backwards);
        shown->findChild<QWidget*>(order.last())->setFocus();
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), order.last());
        const QKeyCombination key = backwards ? QKeyCombination(Qt::SHIFT, Qt::Key_Backtab) : QKeyCombination(Qt::Key_Tab);
        QCOMPARE(focusAfterEachPress(key, int(order.size())), order);
    }

    void ctrlTab_leavesAListToo_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("next");
        QTest::newRow("input list, Ctrl+Tab") << "ListView1" << QKeyCombination(Qt::CTRL, Qt::Key_Tab) << "PushButton1";
        QTest::newRow("input list, Ctrl+Shift+Tab")
            << "ListView1" << QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Backtab) << "Check8";
        QTest::newRow("results, Ctrl+Tab") << "ListView2" << QKeyCombination(Qt::CTRL, Qt::Key_Tab) << "PushButton6";
        QTest::newRow("results, Ctrl+Shift+Tab")
            << "ListView2" << QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Backtab) << "Check15";
    }
    void ctrlTab_leavesAListToo()
    {
        QFETCH(QString, list);
        QFETCH(QKeyCombination, key);
        QFETCH(QString, next);
        DesktopWindow w;
        w.showActive();
        w.fillBothLists();
        w.control<QTableView>(qPrintable(list))->setFocus();
        QCOMPARE(focusAfterEachPress(key, 1), QStringList{next});
    }

    void listKeys_moveTheCurrentRowAndKeepItInView_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<int>("from"); // the current row, scrolled out of view first
        QTest::addColumn<int>("to");
        for (const char* list : {"ListView1", "ListView2"}) {
            const auto row = [list](const char* name) {
                return &(QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(list, name))) << QString(list));
            };
            *row("Ctrl+End") << QKeyCombination(Qt::CTRL, Qt::Key_End) << 2 << 59;
            *row("End") << QKeyCombination(Qt::Key_End) << 2 << 59;
            *row("Ctrl+Home") << QKeyCombination(Qt::CTRL, Qt::Key_Home) << 57 << 0;
            *row("Home") << QKeyCombination(Qt::Key_Home) << 57 << 0;
            *row("Down") << QKeyCombination(Qt::Key_Down) << 2 << 3;
            *row("Up") << QKeyCombination(Qt::Key_Up) << 57 << 56;
            *row("Page Down") << QKeyCombination(Qt::Key_PageDown) << 2 << -1; // further down
            *row("Page Up") << QKeyCombination(Qt::Key_PageUp) << 57 << -1;   // further up
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
        view->selectRow(from);
        if (from < 30)
            view->scrollToBottom();
        else
            view->scrollToTop();
        const QRect before = view->visualRect(view->currentIndex());
        QVERIFY(before.bottom() < 0 || before.top() > view->viewport()->rect().bottom());
        QTest::keyClick(view, key.key(), key.keyboardModifiers());
        const QModelIndex current = view->currentIndex();
        if (to >= 0)
            QCOMPARE(current.row(), to);
        else
            QVERIFY(from < 30 ? current.row() > from + 1 : current.row() < from - 1);
        QCOMPARE(view->selectionModel()->selectedRows(), QModelIndexList{current.siblingAtColumn(0)});
        const QRect row = view->visualRect(current);
        QVERIFY(row.top() >= 0 && row.bottom() <= view->viewport()->rect().bottom());
    }

    void screenReaders_findANameAndARoleForEveryControlOfEveryWindow()
    {
        DesktopWindow w;
        w.showActive();
        w.fillBothLists();
        const QList<QPair<QWidget*, QStringList>> windows{{&w.form(), kMainWindowControls},
                                                           {w.openBetweenWindow(), kBetweenControls},
                                                           {w.openTextSetWindow(), kTextSetControls}};
        for (const auto& [window, controls] : windows) {
            AccessibleWalk found;
            found.walk(QAccessible::queryAccessibleInterface(window));
            QCOMPARE(sorted(found.focusable), sorted(controls));
            QVERIFY2(found.unnamed.isEmpty(), qPrintable(found.unnamed.join(u' ')));
        }
        // The lists by their headers, the text boxes by the command beside them.
        const auto nameOf = [&](const char* control) {
            return QAccessible::queryAccessibleInterface(w.control<QWidget>(control))->text(QAccessible::Name);
        };
        QCOMPARE(nameOf("ListView1"), QStringLiteral("VCF File(s)"));
        QCOMPARE(nameOf("Text5"), QStringLiteral("Extract Lines By Number:"));
        QCOMPARE(w.openBetweenWindow()->findChild<QWidget*>("Text4")->accessibleName(), QStringLiteral("End with (Y)"));
        // The progress bar: its caption as name, its value as value.
        w.form().setProgress(40, QStringLiteral("Processing: many.vcf"));
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(w.control<QWidget>("ProgressBar1"));
        QCOMPARE(bar->role(), QAccessible::ProgressBar);
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
        QTRY_COMPARE(w.form().size(), size);
        auto* area = w.control<QScrollArea>("ScrollArea");
        const bool scrollBars = area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible();
        QCOMPARE(scrollBars, scrolls);
        if (!scrolls) {
            const QStringList problems = controlsNotShownWhole(&w.form());
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u", ")));
        }
        const QWidget* options = w.control<QWidget>("Frame2");
        const QWidget* lastCommand = w.control<QWidget>("PushButton17");
        QCOMPARE(options->y() < lastCommand->y(), optionsBesideCommands);
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
