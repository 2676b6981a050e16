// SPDX-License-Identifier: GPL-3.0-or-later
// The three output buttons of the main window, driven through the real window over a fake
// platform: "Save Results As Text File", "Save Results As Excel File", "Copy Results To Clipboard".

#include "Form1Fixture.h"
#include "extraction/ResultsModel.h"
#include "output/FileSizeLimit.h"
#include "output/SaveResultsAsExcelFile.h"
#include "output/WorkbookReader.h"
#include "shell/mainwindow/MainWindowStatusBar.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>
#include <memory>
#include <unistd.h>

using namespace cardisto;
using namespace cardisto::test;

namespace {

using Rows = QList<QStringList>;

const QByteArray kOldFile = "yesterday's results\r\n";
const QString kCopied = QStringLiteral("Results have been copied to the clipboard.\r\rClick a text area where you "
                                       "normally type and press Ctrl+V to paste the clipboard.");

struct OutputWindow : Form1Fixture {
    OutputWindow() { start(); }

    // Fills the results list as an extraction would: one column "Results", or "Source Filename"
    // and "Extraction Results" for rows of two texts. Rows listed in `unset` have their check box
    // cleared, as a click on it would.
    void fillResults(const Rows& rows, const QList<int>& unset = {}, bool twoColumns = false)
    {
        ResultsModel& results = form().results();
        results.setLayout(twoColumns ? ResultsLayout::WithSourceFilename : ResultsLayout::ResultsOnly);
        for (const QStringList& row : rows)
            twoColumns ? results.appendRow(row.value(0), row.value(1)) : results.appendRow(row.value(0));
        results.commitPendingRows();
        QAbstractItemModel* shown = control<QTableView>("ListView2")->model();
        for (int row : unset)
            QVERIFY(shown->setData(shown->index(row, 0), Qt::Unchecked, Qt::CheckStateRole));
    }

    void fillNumberedRows(int count)
    {
        Rows rows;
        for (int i = 1; i <= count; ++i)
            rows.append({QStringLiteral("result number %1").arg(i)});
        fillResults(rows);
    }

    void click(const char* button) { control<QPushButton>(button)->click(); }

    // Runs the action at the first turn of the event loop, which comes once a command lets events run.
    void atFirstTurn(std::function<void()> action) { QTimer::singleShot(0, &form(), std::move(action)); }

    QString barText() { return control<QProgressBar>("ProgressBar1")->text(); }
    int barValue() { return control<QProgressBar>("ProgressBar1")->value(); }
};

} // namespace

class TestForm1Output : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textFile_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QList<int>>("unset");
        QTest::addColumn<bool>("twoColumns");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("one column") << Rows{{"a"}, {"abc"}, {"ab"}} << QList<int>{} << false
                                    << QByteArray("Results\t\r\na      \t\r\nabc    \t\r\nab     \t\r\n");
        QTest::newRow("two columns") << Rows{{"f.vcf", "x"}, {"a-longer-name.vcf", "y@example.com"}} << QList<int>{}
                                     << true
                                     << QByteArray("Source Filename  \tExtraction Results\t\r\n"
                                                   "f.vcf            \tx                 \t\r\n"
                                                   "a-longer-name.vcf\ty@example.com     \t\r\n");
        QTest::newRow("no rows") << Rows{} << QList<int>{} << false << QByteArray("Results\t\r\n");
        QTest::newRow("unticked row counts for the width, leaves no line")
            << Rows{{"a"}, {"abcdefghij"}, {"ab"}} << QList<int>{1} << false
            << QByteArray("Results   \t\r\na         \t\r\nab        \t\r\n");
    }
    void textFile()
    {
        QFETCH(Rows, rows);
        QFETCH(QList<int>, unset);
        QFETCH(bool, twoColumns);
        QFETCH(QByteArray, expected);
        OutputWindow w;
        w.fillResults(rows, unset, twoColumns);
        QTemporaryDir dir;
        const QString path = dir.filePath("results"); // no extension, and none is added
        w.platform.chooseSaveName(path);
        bool busyWhileWriting = false;
        w.atFirstTurn([&] { busyWhileWriting = w.form().isBusy(); });
        w.click("PushButton6");

        QCOMPARE(readFile(path), expected);
        QCOMPARE(folderEntries(dir.path()), QStringList{"results"});
        QCOMPARE(w.platform.dialogs.size(), 1);
        QCOMPARE(w.platform.dialogs[0].title, QStringLiteral("Save"));
        QCOMPARE(w.platform.dialogs[0].filter, QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"));
        QCOMPARE(w.platform.messages(), QStringList{"Done."});
        QCOMPARE(busyWhileWriting, !rows.isEmpty()); // events run only among the rows
        QVERIFY(!w.form().isBusy());
        QCOMPARE(w.barText(), QStringLiteral("Progress Bar"));
        QCOMPARE(w.barValue(), 0);
    }

    void textFile_existingFile_data()
    {
        QTest::addColumn<bool>("answerYes");
        QTest::newRow("Yes replaces it") << true;
        QTest::newRow("No keeps it") << false;
    }
    void textFile_existingFile()
    {
        QFETCH(bool, answerYes);
        OutputWindow w;
        w.fillResults({{"a"}});
        QTemporaryDir dir;
        const QString path = QDir::toNativeSeparators(dir.filePath("results.txt"));
        writeFile(path, kOldFile);
        w.platform.chooseSaveName(path);
        answerYes ? w.platform.answerYes() : w.platform.answerNo();
        w.click("PushButton6");
        QCOMPARE(w.platform.questions(), QStringList{"Are you sure you wish to overwrite " + path + " ?"});
        QCOMPARE(readFile(path), answerYes ? QByteArray("Results\t\r\na      \t\r\n") : kOldFile);
        QCOMPARE(w.platform.messages(), answerYes ? QStringList{"Done."} : QStringList{});
        QVERIFY(!w.form().isBusy());
    }

    // A save that fails keeps the file that was there, shows exactly one error box and no "Done.".
    void textFile_failing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("line");
        QTest::newRow("read-only folder") << "read-only" << 104;
        QTest::newRow("disk full") << "disk full" << 108;
        QTest::newRow("Clear List pressed during the save") << "Clear List" << 102;
    }
    void textFile_failing()
    {
        QFETCH(QString, how);
        QFETCH(int, line);
        OutputWindow w;
        w.fillNumberedRows(3000);
        QTemporaryDir dir;
        const QString path = dir.filePath("results.txt");
        writeFile(path, kOldFile);
        w.platform.chooseSaveName(path);
        w.platform.answerYes();
        std::unique_ptr<FileSizeLimit> limit;
        if (how == "read-only") {
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
            if (access(qPrintable(dir.path()), W_OK) == 0) {
                QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("folder permissions do not bind this user (root), nor anyone on Windows");
            }
        } else if (how == "disk full") {
            if (!kFileSizeLimits)
                QSKIP("Windows cannot limit a file's size; a full disk is not made for a test");
            limit = std::make_unique<FileSizeLimit>(20000);
        } else {
            w.atFirstTurn([&] { w.click("PushButton9"); });
        }
        w.click("PushButton6");
        limit.reset();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(w.platform.errors().size(), 1);
        QVERIFY2(
            w.platform.errors()[0].contains(
                QStringLiteral("\r\nin Velmora2021/08/31.Main.SaveListviewProperlySpaced at line %1\r\r").arg(line)),
            qPrintable(w.platform.errors()[0]));
        QVERIFY(w.platform.messages().isEmpty());
        QCOMPARE(readFile(path), kOldFile);
        QCOMPARE(folderEntries(dir.path()), QStringList{"results.txt"});
        QVERIFY(!w.form().isBusy());
        QCOMPARE(w.barText(), QStringLiteral("Progress Bar"));
    }

    void workbook_isWrittenToDocumentsAndOpened()
    {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir().mkpath(documents));
        OutputWindow w;
        w.fillResults({{"f=1.vcf", "a=b"}, {"hidden.vcf", "not exported"}, {"g.vcf", "00123"}}, {1}, true);
        w.click("PushButton12");

        const QStringList opened = w.platform.openedSpreadsheets();
        QCOMPARE(opened.size(), 1);
        QCOMPARE(QFileInfo(opened[0]).absolutePath(), QDir(documents).absolutePath());
        QVERIFY(opened[0].endsWith(".xlsx"));
        QVERIFY(w.platform.messages().isEmpty());
        QCOMPARE(w.form().statusBar().note(), workbookOpenedNote(opened[0], 0));
        QVERIFY(!w.form().isBusy());
        READ_WORKBOOK(opened[0]);
        QFile::remove(opened[0]);
        QCOMPARE(sheets.size(), 1);
        QCOMPARE(sheets[0].rows,
                 QList<QStringList>(
                     {{"Source Filename", "Extraction Results"}, {"f=1.vcf", "a=b"}, {"", ""}, {"g.vcf", "00123"}}));
    }

    void workbook_withoutSpreadsheetProgram_isWrittenAndNamedInOneBox()
    {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir().mkpath(documents));
        OutputWindow w;
        w.fillResults({{"a"}});
        w.platform.haveSpreadsheetApplication(false);
        w.click("PushButton12");
        QCOMPARE(w.platform.messages().size(), 1);
        const QString path = QDir::toNativeSeparators(QDir(documents).filePath(
            QDir(documents).entryList({"Cardisto Results *.xlsx"}, QDir::Files, QDir::Time).value(0)));
        QVERIFY(QFileInfo(path).size() > 0);
        QCOMPARE(w.platform.messages()[0], workbookSavedMessage(path, false, 0));
        QFile::remove(path);
        QVERIFY(w.platform.opened.isEmpty());
        QVERIFY(!w.form().isBusy());
    }

    void textFile_failureOfTheCommandItself_isReportedAsPushButton6()
    {
        OutputWindow w;
        w.fillResults({{"a"}});
        QTemporaryDir dir;
        const QString path = writeFile(dir.filePath("out.txt"), kOldFile);
        w.platform.chooseSaveName(path);
        w.platform.whileBoxShows = [](const FakePlatform::Box& box) {
            if (box.kind == FakePlatform::BoxKind::Question)
                throw ProcedureFailure("The box broke");
        };
        w.click("PushButton6");
        QCOMPARE(w.platform.errors().size(), 1);
        QVERIFY(w.platform.errors()[0].contains("The box broke"));
        QVERIFY(w.platform.errors()[0].contains("Form1.PushButton6_Click at line 102"));
        QCOMPARE(readFile(path), kOldFile);
        QVERIFY(!w.form().isBusy());
    }

    void workbook_emptyList_doesNothing()
    {
        OutputWindow w;
        w.click("PushButton12");
        QVERIFY(w.platform.boxes.isEmpty());
        QVERIFY(w.platform.opened.isEmpty());
    }

    void clipboard_holdsTheAlignedLines()
    {
        OutputWindow w;
        w.fillResults({{"f.vcf", "x"}, {"longer.vcf", "y"}, {"hidden.vcf", "z"}}, {2}, true);
        QString captionUnderMessage;
        w.platform.whileBoxShows = [&](const FakePlatform::Box&) {
            captionUnderMessage = w.barText();
        };
        w.click("PushButton18");
        QCOMPARE(w.platform.clipboardText, QStringLiteral("f.vcf     \tx\r\nlonger.vcf\ty\r\n"));
        QCOMPARE(w.platform.messages(), QStringList{kCopied});
        QCOMPARE(captionUnderMessage, QStringLiteral("Copying text to clipboard.. please wait.."));
        QCOMPARE(w.barText(), QStringLiteral("Progress Bar"));
        QVERIFY(!w.form().isBusy());
    }

    void clipboard_afterClearList_isNotTouched()
    {
        OutputWindow w;
        w.fillResults({{"f.vcf", "x"}}, {}, true);
        w.platform.setClipboardText("copied elsewhere");
        const int attempts = w.platform.clipboardAttempts;
        w.click("PushButton9");
        QCOMPARE(w.form().results().columnCount(), 2); // the headers stay
        w.click("PushButton18");
        QCOMPARE(w.platform.clipboardText, QStringLiteral("copied elsewhere"));
        QCOMPARE(w.platform.clipboardAttempts, attempts);
        QCOMPARE(w.platform.messages(), QStringList{kCopied});
    }

    void clipboard_thatStaysBusy_showsTheErrorBoxInstead()
    {
        OutputWindow w;
        w.fillResults({{"a"}});
        w.platform.failClipboardAttempts(2000);
        w.click("PushButton18");
        QCOMPARE(w.platform.errors().size(), 1);
        QVERIFY(w.platform.errors()[0].contains("\r\nin Velmora2021/08/31.Form1.PushButton18_Click at line 100\r\r"));
        QVERIFY(w.platform.messages().isEmpty());
        QCOMPARE(w.barText(), QStringLiteral("Progress Bar"));
        QVERIFY(!w.form().isBusy());
    }

    // From vCard files to the three outputs, as a user goes about it.
    void extractedResults_goToAllThreeOutputs()
    {
        OutputWindow w;
        w.control<QRadioButton>("Option2")->click();
        w.control<QCheckBox>("Check3")->click();
        w.form().inputFiles().append(w.writeEmailsFile("contacts.vcf", {"ann@example.com", "bo@x.org"}));
        w.click("PushButton13");
        QCOMPARE(w.form().results().totalRowCount(), 2);

        QTemporaryDir dir;
        w.platform.chooseSaveName(dir.filePath("out.txt"));
        w.click("PushButton6");
        QCOMPARE(readFile(dir.filePath("out.txt")),
                 QByteArray("Results        \t\r\nann@example.com\t\r\nbo@x.org       \t\r\n"));
        w.click("PushButton18");
        QCOMPARE(w.platform.clipboardText, QStringLiteral("ann@example.com\r\nbo@x.org\r\n"));
        w.click("PushButton12");
        QCOMPARE(w.platform.openedSpreadsheets().size(), 1);
        const QString workbook = w.platform.openedSpreadsheets()[0];
        QFile::remove(workbook);
        QCOMPARE(w.platform.messages(), QStringList({"Done.", kCopied}));
        QCOMPARE(w.form().statusBar().note(), workbookOpenedNote(workbook, 0));
        QVERIFY(w.platform.errors().isEmpty());
    }
};

QTEST_MAIN(TestForm1Output)
#include "TestForm1Output.moc"
