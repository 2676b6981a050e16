// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeOutputHost.h"
#include "TableModelDouble.h"
#include "WorkbookReader.h"
#include "output/SaveResultsAsExcelFile.h"
#include "output/WorkbookTarget.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace cardisto;
using test::FakeOutputHost;
using test::TableModelDouble;

class TestSaveResultsAsExcelFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void noSpreadsheetProgram_writesTheWorkbookAndSaysWhereItIs()
    {
        QTemporaryDir dir;
        TableModelDouble list({"Results"});
        list.addRows({{"a"}, {QStringLiteral("b\x01")}, {QString(40000, u'c')}});
        FakeOutputHost host(list, dir.path());
        host.platformDouble.haveSpreadsheetApplication(false);
        const QString path = SaveResultsAsExcelFile(host);
        QVERIFY(QFileInfo(path).size() > 0);
        QVERIFY(host.platformDouble.opened.isEmpty());
        // One box, after the hourglass: the file, that nothing opens it, the two changed cells.
        QCOMPARE(host.trace, QStringList({"busy", "idle", "box " + workbookSavedMessage(path, false, 2)}));
        QCOMPARE(host.platformDouble.boxes[0].caption, QStringLiteral("Cardisto"));
        QVERIFY(host.platformDouble.messages()[0].contains(path));
        QVERIFY(host.platformDouble.messages()[0].contains("No spreadsheet application was found"));
        QVERIFY(host.platformDouble.messages()[0].contains("2 cells had to be changed"));
    }

    void emptyList_doesNothing()
    {
        QTemporaryDir dir;
        TableModelDouble list({"Results"});
        FakeOutputHost host(list, dir.path());
        QVERIFY(SaveResultsAsExcelFile(host).isEmpty());
        QCOMPARE(host.platformDouble.spreadsheetProbes, 0); // nothing to write, nothing to open
        QVERIFY(host.trace.isEmpty());
        QVERIFY(test::folderEntries(dir.path()).isEmpty());
        QVERIFY(host.platformDouble.opened.isEmpty());
    }

    void export_writesANewWorkbookAndOpensIt()
    {
        QTemporaryDir dir;
        TableModelDouble list({"Source Filename", "Extraction Results"});
        list.addRow({"f=1.vcf", "a=b"});
        list.addRow({"hidden.vcf", "not written"}, false);
        list.addRow({"g.vcf", "00123"});
        FakeOutputHost host(list, dir.path());
        const QString path = SaveResultsAsExcelFile(host);
        QCOMPARE(host.platformDouble.openedSpreadsheets(), QStringList{path});
        QCOMPARE(QFileInfo(path).absolutePath(), QDir(dir.path()).absolutePath());
        QVERIFY2(QRegularExpression(R"(^Cardisto Results \d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.xlsx$)")
                     .match(QFileInfo(path).fileName())
                     .hasMatch(),
                 qPrintable(path));
        QCOMPARE(test::folderEntries(dir.path()), QStringList{QFileInfo(path).fileName()});
        // The progress bar is not used; after opening, the status bar names the file: a box could
        // open behind the spreadsheet program and keep the window waiting for an answer unseen.
        QCOMPARE(host.trace, QStringList({"busy", "idle", "note " + workbookOpenedNote(path, 0)}));
        QCOMPARE(workbookOpenedNote(path, 0),
                 "The results are saved as " + path + ". The workbook is now open in the spreadsheet application.");
        QVERIFY(host.platformDouble.boxes.isEmpty());

        READ_WORKBOOK(path);
        QCOMPARE(sheets.size(), 1);
        // Text cells, exactly as listed; the unset row leaves its sheet row empty.
        QCOMPARE(sheets[0].rows,
                 QList<QStringList>(
                     {{"Source Filename", "Extraction Results"}, {"f=1.vcf", "a=b"}, {"", ""}, {"g.vcf", "00123"}}));
        QCOMPARE(sheets[0].widths.size(), 2); // the columns are fitted
    }

    void secondExport_getsItsOwnFile()
    {
        QTemporaryDir dir;
        TableModelDouble list({"Results"});
        list.addRows({{"a"}});
        FakeOutputHost host(list, dir.path());
        const QString first = SaveResultsAsExcelFile(host);
        const QString second = SaveResultsAsExcelFile(host);
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        QVERIFY(first != second);
        QCOMPARE(host.platformDouble.openedSpreadsheets(), QStringList({first, second}));
        QCOMPARE(test::folderEntries(dir.path()).size(), 2);
    }

    void claimedName_takesTheNextNumberWhenTaken()
    {
        QTemporaryDir dir;
        const QDateTime now(QDate(2024, 3, 5), QTime(14, 7, 9));
        test::writeFile(dir.filePath("Cardisto Results 2024-03-05 14-07-09.xlsx"), "someone else's");
        const QString claimed = claimNewWorkbookFile(dir.path(), now);
        QCOMPARE(QFileInfo(claimed).fileName(), QStringLiteral("Cardisto Results 2024-03-05 14-07-09 (2).xlsx"));
        QCOMPARE(test::readFile(dir.filePath("Cardisto Results 2024-03-05 14-07-09.xlsx")),
                 QByteArray("someone else's"));
        QCOMPARE(QFileInfo(claimed).size(), 0);
    }

    void workbookFolder_isDocumentsOrElseTemporary()
    {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(!documents.isEmpty());
        QDir(documents).removeRecursively();
        QCOMPARE(defaultWorkbookFolder(),
                 QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::TempLocation)));
        QVERIFY(QDir().mkpath(documents));
        QCOMPARE(defaultWorkbookFolder(), QDir::toNativeSeparators(documents));
    }

    // A workbook that could not be written is reported once, not opened and not left behind.
    void failedExport_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("line");
        QTest::newRow("folder is a file") << "file" << 100;
        QTest::newRow("list cleared during the export") << "cleared" << 104;
    }
    void failedExport()
    {
        QFETCH(QString, how);
        QFETCH(int, line);
        QTemporaryDir dir;
        TableModelDouble list({"Results"});
        for (int i = 0; i < 100; ++i)
            list.addRow({QString::number(i)});
        QString folder = dir.path();
        if (how == "file") {
            test::writeFile(dir.filePath("plain-file"), "kept");
            folder = dir.filePath("plain-file");
        }
        FakeOutputHost host(list, folder);
        if (how == "cleared") {
            host.whileEventsRun = [&list](int run) {
                if (run == 50)
                    list.removeAllRows();
            };
        }
        QVERIFY(SaveResultsAsExcelFile(host).isEmpty());
        const QStringList errors = host.platformDouble.errors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(
                     QStringLiteral("\r\nin Velmora2021/08/31.Form1.PushButton12_Click at line %1\r\r").arg(line)),
                 qPrintable(errors[0]));
        QVERIFY(host.platformDouble.opened.isEmpty());
        QCOMPARE(test::folderEntries(dir.path()), how == "file" ? QStringList{"plain-file"} : QStringList{});
        QCOMPARE(host.trace.constLast(), QStringLiteral("idle"));
    }

    void programThatDoesNotStart_isReportedAndTheWorkbookKept()
    {
        QTemporaryDir dir;
        TableModelDouble list({"Results"});
        list.addRows({{"a"}});
        FakeOutputHost host(list, dir.path());
        host.platformDouble.refuseToOpen();
        const QString path = SaveResultsAsExcelFile(host);
        QVERIFY(QFileInfo(path).size() > 0);
        QCOMPARE(host.platformDouble.errors().size(), 1);
        QVERIFY(host.platformDouble.errors()[0].contains(path));
        QVERIFY(host.platformDouble.errors()[0].contains("PushButton12_Click at line 110"));
    }
};

QTEST_GUILESS_MAIN(TestSaveResultsAsExcelFile)
#include "TestSaveResultsAsExcelFile.moc"
