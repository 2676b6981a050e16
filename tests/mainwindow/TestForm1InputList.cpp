// SPDX-License-Identifier: GPL-3.0-or-later
// The input file list on the main window: adding through the dialog, dropping, dragging rows,
// removing rows singly, by a filter and all at once, and the busy guards.

#include "Form1Fixture.h"
#include "shell/platform/FileSelection.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QUrl>
#include <algorithm>

using namespace cardisto;
using namespace cardisto::test;

namespace {

struct InputListWindow : Form1Fixture {
    InputListWindow()
    {
        start();
        view = control<QTableView>("ListView1");
    }

    InputFileList& list() { return form().inputFiles(); }

    QPoint rowCentre(int row) { return view->visualRect(list().index(row)).center(); }

    void selectRow(int row) { view->selectRow(row); }

    // A widget double-click arrives after the press and release of its first click.
    void doubleClickRow(int row)
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowCentre(row));
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rowCentre(row));
    }

    QTableView* view = nullptr;
};

} // namespace

class TestForm1InputList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addFiles_data()
    {
        QTest::addColumn<QStringList>("dialogParts");
        QTest::addColumn<QStringList>("rows");

        QTest::newRow("one file, as returned")
            << QStringList{"/in//x/a b.vcf"} << QStringList{"/in//x/a b.vcf", "/in//x/a b.vcf"};
#ifdef Q_OS_WIN
        // Folder, backslash and name, with doubled backslashes collapsed but a network prefix kept.
        QTest::newRow("folder and names, in dialog order")
            << QStringList{"D:\\In", "c.vcf", "a.vcf", "b.vcf"}
            << QStringList{"/in//x/a b.vcf", "D:\\In\\c.vcf", "D:\\In\\a.vcf", "D:\\In\\b.vcf"};
        QTest::newRow("names in the drive root")
            << QStringList{"C:\\", "a.vcf", "b.vcf"} << QStringList{"/in//x/a b.vcf", "C:\\a.vcf", "C:\\b.vcf"};
        QTest::newRow("names in a network folder")
            << QStringList{"\\\\server\\share", "a.vcf"} << QStringList{"/in//x/a b.vcf", "\\\\server\\share\\a.vcf"};
        QTest::newRow("names in the root of a network share")
            << QStringList{"\\\\server\\share\\", "a.vcf"}
            << QStringList{"/in//x/a b.vcf", "\\\\server\\share\\a.vcf"};
        QTest::newRow("names in the root of the current drive")
            << QStringList{"\\", "a.vcf"} << QStringList{"/in//x/a b.vcf", "\\a.vcf"};
#else
        QTest::newRow("folder and names, in dialog order")
            << QStringList{"/in", "c.vcf", "a.vcf", "b.vcf"}
            << QStringList{"/in//x/a b.vcf", "/in/c.vcf", "/in/a.vcf", "/in/b.vcf"};
        QTest::newRow("names in the root folder")
            << QStringList{"/", "a.vcf", "b.vcf"} << QStringList{"/in//x/a b.vcf", "/a.vcf", "/b.vcf"};
#endif
        QTest::newRow("cancelled") << QStringList() << QStringList{"/in//x/a b.vcf"};
    }

    void addFiles()
    {
        QFETCH(QStringList, dialogParts);
        QFETCH(QStringList, rows);
        InputListWindow w;
        w.list().append(QStringLiteral("/in//x/a b.vcf")); // listed before; adding never checks for twins
        w.platform.chooseParts(dialogParts);
        w.control<QPushButton>("PushButton1")->click();

        QCOMPARE(w.list().texts(), rows);
        QCOMPARE(w.platform.dialogs.size(), 1);
        QCOMPARE(w.platform.dialogs[0].title, QStringLiteral("Add File(s) - Hold Ctrl to select multiple files"));
        QCOMPARE(w.platform.dialogs[0].filter, QStringLiteral("VCF Files (*.vcf)|*.vcf|"));
        QVERIFY(w.platform.boxes.isEmpty());
    }

    void addFiles_tooManyFilesAddsNothing()
    {
        InputListWindow w;
        w.platform.chooseTooManyFiles();
        w.control<QPushButton>("PushButton1")->click();
        QCOMPARE(w.list().count(), 0);
        QCOMPARE(
            w.platform.messages(),
            QStringList{"You've selected too many files to add.\r\rPlease try adding via the \"Add All\" button."});
        QCOMPARE(w.platform.lastBox().caption, QStringLiteral("Cardisto"));
    }

    void dropFiles_appendedInDropOrder()
    {
        InputListWindow w;
        w.list().append(QStringLiteral("/first.vcf"));
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile("/drop/b.txt"), QUrl::fromLocalFile(w.programFolder()),
                       QUrl::fromLocalFile("/drop/a.vcf")});
        const QPoint at = w.rowCentre(0);
        QDragEnterEvent enter(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.view->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.view->viewport(), &drop);

        // The dropped folder adds its files, here none (TestForm1InputSources drops folders with files).
        // As the system writes paths: \drop\b.txt on Windows.
        QCOMPARE(w.list().texts(), QStringList({"/first.vcf", QDir::toNativeSeparators("/drop/b.txt"),
                                                QDir::toNativeSeparators("/drop/a.vcf")}));

        QMimeData text;
        text.setText(QStringLiteral("/drop/c.vcf"));
        QDragEnterEvent refused(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.view->viewport(), &refused);
        QVERIFY(!refused.isAccepted());
    }

    void dragRows_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QList<int>>("hovered"); // rows the pointer moves over after pressing on row 0
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("selected");

        const QStringList abcd{"a", "b", "c", "d"};
        QTest::newRow("row 1 over rows 2, 3 and 4")
            << abcd << QList<int>{1, 2, 3} << QStringList{"b", "c", "d", "a"} << 3;
        QTest::newRow("jump from row 1 to row 4") << abcd << QList<int>{3} << QStringList{"d", "b", "c", "a"} << 3;
        QTest::newRow("down and back up") << abcd << QList<int>{1, 2, 1, 0} << abcd << 0;
        QTest::newRow("an equal text stays, the next differing row swaps")
            << QStringList{"a", "a", "b"} << QList<int>{1, 2} << QStringList{"b", "a", "a"} << 2;
        QTest::newRow("moves within the pressed row") << abcd << QList<int>{0, 0} << abcd << 0;
    }

    void dragRows()
    {
        QFETCH(QStringList, rows);
        QFETCH(QList<int>, hovered);
        QFETCH(QStringList, expected);
        QFETCH(int, selected);
        InputListWindow w;
        w.form().show();
        w.list().append(rows);
        QWidget* viewport = w.view->viewport();

        QTest::mousePress(viewport, Qt::LeftButton, {}, w.rowCentre(0));
        for (int row : hovered)
            QTest::mouseMove(viewport, w.rowCentre(row));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, w.rowCentre(hovered.constLast()));

        QCOMPARE(w.list().texts(), expected);
        QCOMPARE(w.view->selectionModel()->selectedRows(), QModelIndexList{w.list().index(selected)});
        // Moving without a button held drags nothing.
        QTest::mouseMove(viewport, w.rowCentre(1));
        QCOMPARE(w.list().texts(), expected);
    }

    void dragRows_showTheDragPointerFromTheProgramFolder_data()
    {
        QTest::addColumn<bool>("dragIcon");
        QTest::newRow("drag.ico present") << true;
        QTest::newRow("drag.ico missing") << false;
    }
    void dragRows_showTheDragPointerFromTheProgramFolder()
    {
        QFETCH(bool, dragIcon);
        Form1Fixture f;
        if (dragIcon)
            QVERIFY(QFile::copy(QStringLiteral(CARDISTO_BINARY_DIR "/drag.ico"), f.programFolder() + "/drag.ico"));
        f.start().show();
        f.form().inputFiles().append(QStringList{"a", "b"});
        auto* view = f.control<QTableView>("ListView1");
        QWidget* viewport = view->viewport();
        const QPoint firstRow = view->visualRect(f.form().inputFiles().index(0)).center();

        QTest::mousePress(viewport, Qt::LeftButton, {}, firstRow);
        // Without the file the list keeps the pointer it has.
        QCOMPARE(viewport->cursor().shape(), dragIcon ? Qt::BitmapCursor : Qt::ArrowCursor);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, firstRow);
        QCOMPARE(viewport->cursor().shape(), Qt::ArrowCursor);
    }

    void dragRows_scrollsNearTheBottomEdge()
    {
        InputListWindow w;
        w.form().resize(900, 500);
        w.form().show();
        QStringList rows;
        for (int i = 0; i < 200; ++i)
            rows.append(QStringLiteral("/in/%1.vcf").arg(i, 3, 10, QChar(u'0')));
        w.list().append(rows);
        QWidget* viewport = w.view->viewport();
        const int rowHeight = w.view->verticalHeader()->defaultSectionSize();
        const int lastVisible = w.view->rowAt(viewport->height() - 2);
        QVERIFY(lastVisible > 2 && lastVisible < 150);
        QCOMPARE(w.view->verticalScrollBar()->value(), 0);

        // The pointer goes onto the last visible row, within a row of the bottom edge. Where that is
        // depends on the fonts and the window's size, so it is measured, not assumed.
        const QRect lastRow = w.view->visualRect(w.list().index(lastVisible));
        const int edgeBand = viewport->height() - rowHeight + 1;
        const QPoint nearTheEdge(lastRow.center().x(),
                                 (std::max(lastRow.top(), edgeBand) + viewport->height() - 1) / 2);
        QCOMPARE(w.view->rowAt(nearTheEdge.y()), lastVisible);
        QTest::mousePress(viewport, Qt::LeftButton, {}, w.rowCentre(lastVisible - 1));
        QTest::mouseMove(viewport, nearTheEdge);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, nearTheEdge);

        QCOMPARE(w.list().textAt(lastVisible), rows.at(lastVisible - 1));
        QVERIFY(w.view->verticalScrollBar()->value() > 0);
        QVERIFY(w.view->visualRect(w.list().index(lastVisible + 1)).bottom() <= viewport->height());
    }

    void removeByFilter_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("prompt");

        const QString containing = QStringLiteral("Remove entries containing: ");
        const QString notContaining = QStringLiteral("Remove entries not containing: ");
        QTest::newRow("containing, any letter case, folders too")
            << "PushButton3"
            << "VCF" << QStringList{"/in/b.txt", "/in/c d.txt"} << containing;
        QTest::newRow("containing a blank")
            << "PushButton3"
            << " " << QStringList{"/in/a.vcf", "/in/b.txt", "/VCFs/e.txt", "/in/F.VCF"} << containing;
        QTest::newRow("not containing") << "PushButton11"
                                        << ".vcf" << QStringList{"/in/a.vcf", "/in/F.VCF"} << notContaining;
        QTest::newRow("not containing what no row holds") << "PushButton11"
                                                          << "zzz" << QStringList() << notContaining;
        QTest::newRow("cancelled") << "PushButton3"
                                   << ""
                                   << QStringList{"/in/a.vcf", "/in/b.txt", "/in/c d.txt", "/VCFs/e.txt", "/in/F.VCF"}
                                   << containing;
    }

    void removeByFilter()
    {
        QFETCH(QString, button);
        QFETCH(QString, answer);
        QFETCH(QStringList, expected);
        QFETCH(QString, prompt);
        InputListWindow w;
        w.list().append(QStringList{"/in/a.vcf", "/in/b.txt", "/in/c d.txt", "/VCFs/e.txt", "/in/F.VCF"});
        w.platform.enterText(answer);
        w.control<QPushButton>(qPrintable(button))->click();

        QCOMPARE(w.list().texts(), expected);
        QCOMPARE(w.platform.prompts(), QStringList{prompt});
        QCOMPARE(w.platform.lastBox().caption, QStringLiteral("Cardisto"));
        QCOMPARE(w.platform.lastBox().defaultText, QString());
        QVERIFY(!w.form().isBusy());
    }

    void removeSingleRows_deleteKeyAndDoubleClick()
    {
        InputListWindow w;
        w.form().show();
        w.list().append(QStringList{"a", "b", "c", "d"});
        w.selectRow(1);
        QTest::keyClick(w.view, Qt::Key_Delete);
        QCOMPARE(w.list().texts(), QStringList({"a", "c", "d"}));
        // The row that took its place is the selected one: the next Delete goes on from there.
        QCOMPARE(w.view->selectionModel()->selectedRows(), QModelIndexList{w.list().index(1)});
        QTest::keyClick(w.view, Qt::Key_Backspace);
        QCOMPARE(w.list().count(), 3);

        w.doubleClickRow(2);
        QCOMPARE(w.list().texts(), QStringList({"a", "c"}));

        w.view->clearSelection();
        QTest::keyClick(w.view, Qt::Key_Delete);
        QCOMPARE(w.list().count(), 2);

        w.control<QPushButton>("PushButton14")->click();
        QCOMPARE(w.list().count(), 0);
        QTest::keyClick(w.view, Qt::Key_Delete); // an empty list stays as it is
        QVERIFY(w.platform.errors().isEmpty());
    }

    void busyWindow_ignoresDeleteDoubleClickAndClearList()
    {
        InputListWindow w;
        w.form().show();
        w.list().append(QStringList{"a", "b", "c"});
        w.selectRow(1);
        w.form().setBusy(true);

        QTest::keyClick(w.view, Qt::Key_Delete);
        w.doubleClickRow(1);
        w.control<QPushButton>("PushButton14")->click();
        QCOMPARE(w.list().texts(), QStringList({"a", "b", "c"}));

        w.form().setBusy(false);
        w.control<QPushButton>("PushButton14")->click();
        QCOMPARE(w.list().count(), 0);
    }
};

QTEST_MAIN(TestForm1InputList)
#include "TestForm1InputList.moc"
