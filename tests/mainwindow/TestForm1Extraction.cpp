// SPDX-License-Identifier: GPL-3.0-or-later
// The four extraction commands of the main window, driven through its buttons: results, column
// layouts, messages, progress, the run flag, the busy guards, the error box and the results list.

#include "Form1Fixture.h"
#include "extraction/ResultsModel.h"
#include "shell/mainwindow/MainWindowStatusBar.h"
#include "shell/widgets/Twips.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QToolTip>
#include <QTimer>

using namespace cardisto;
using namespace cardisto::test;

namespace {

// A main window set to take e-mail addresses, with files of e-mail addresses listed.
struct ExtractionWindow : Form1Fixture {
    ExtractionWindow()
    {
        start();
        control<QRadioButton>("Option2")->click();
        control<QCheckBox>("Check3")->click();
    }

    void listFiles(const QList<QStringList>& fileEmails)
    {
        for (qsizetype i = 0; i < fileEmails.size(); ++i)
            form().inputFiles().append(writeEmailsFile(QStringLiteral("f%1.vcf").arg(i + 1), fileEmails[i]));
    }

    // Both files hold "shared@x"; the second also a capitalised twin of the first file's address.
    void listTwoFiles() { listFiles({{"a1@x", "shared@x"}, {"shared@x", "A1@x"}}); }

    void click(const char* button) { control<QPushButton>(button)->click(); }

    // A widget double-click arrives after the press and release of its first click.
    static void doubleClickRow(QTableView* view, int row)
    {
        const QPoint centre = view->visualRect(view->model()->index(row, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    }

    // Rows as the view sees them: "text", or "file name|text" with the source column.
    QStringList shownRows()
    {
        const QAbstractItemModel* model = control<QTableView>("ListView2")->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            QString text = model->index(row, 0).data().toString();
            if (model->columnCount() > 1)
                text = QFileInfo(text).fileName() + u'|' + model->index(row, 1).data().toString();
            rows.append(text);
        }
        return rows;
    }

    QStringList headers()
    {
        const QAbstractItemModel* model = control<QTableView>("ListView2")->model();
        QStringList texts;
        for (int column = 0; column < model->columnCount(); ++column)
            texts.append(model->headerData(column, Qt::Horizontal).toString());
        return texts;
    }

    // Runs the action once, from inside the first yield at which the condition holds.
    void duringRun(std::function<bool()> condition, std::function<void()> action)
    {
        auto* timer = new QTimer(&form());
        timer->setInterval(0);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, condition, action] {
            if (!condition())
                return;
            timer->stop();
            timer->deleteLater();
            action();
        });
        timer->start();
    }
};

} // namespace

class TestForm1Extraction : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commands_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("textBox");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("removeDuplicates");
        QTest::addColumn<bool>("showSource");
        QTest::addColumn<QStringList>("rows");

        QTest::newRow("all lines") << "PushButton13"
                                   << ""
                                   << "" << false << false << QStringList{"a1@x", "shared@x", "shared@x", "A1@x"};
        QTest::newRow("all lines, duplicates removed, case kept")
            << "PushButton13"
            << ""
            << "" << true << false << QStringList{"a1@x", "shared@x", "A1@x"};
        QTest::newRow("all lines with the source")
            << "PushButton13"
            << ""
            << "" << false << true << QStringList{"f1.vcf|a1@x", "f1.vcf|shared@x", "f2.vcf|shared@x", "f2.vcf|A1@x"};
        QTest::newRow("all lines with the source, duplicate results removed")
            << "PushButton13"
            << ""
            << "" << true << true << QStringList{"f1.vcf|a1@x", "f1.vcf|shared@x", "f2.vcf|A1@x"};
        QTest::newRow("containing, any letter case") << "PushButton2"
                                                     << "Text1"
                                                     << "A1" << false << false << QStringList{"a1@x", "A1@x"};
        QTest::newRow("containing, duplicates removed") << "PushButton2"
                                                        << "Text1"
                                                        << "SHARED" << true << false << QStringList{"shared@x"};
        QTest::newRow("not containing") << "PushButton8"
                                        << "Text2"
                                        << "shared" << false << true << QStringList{"f1.vcf|a1@x", "f2.vcf|A1@x"};
        QTest::newRow("by number, in file order")
            << "PushButton7"
            << "Text5"
            << "2, 1,2" << false << false << QStringList{"a1@x", "shared@x", "shared@x", "A1@x"};
        QTest::newRow("by number, duplicates removed")
            << "PushButton7"
            << "Text5"
            << "1" << true << true << QStringList{"f1.vcf|a1@x", "f2.vcf|shared@x"};
    }

    void commands()
    {
        QFETCH(QString, button);
        QFETCH(QString, textBox);
        QFETCH(QString, text);
        QFETCH(bool, removeDuplicates);
        QFETCH(bool, showSource);
        QFETCH(QStringList, rows);
        ExtractionWindow w;
        w.listTwoFiles();
        if (!textBox.isEmpty())
            w.control<QLineEdit>(qPrintable(textBox))->setText(text);
        w.control<QCheckBox>("Check1")->setChecked(removeDuplicates);
        w.control<QCheckBox>("Check14")->setChecked(showSource);
        w.click(qPrintable(button));

        QCOMPARE(w.shownRows(), rows);
        QCOMPARE(w.form().results().totalRowCount(), rows.size()); // every row reached the view
        auto* view = w.control<QTableView>("ListView2");
        if (showSource) {
            QCOMPARE(w.headers(), QStringList({"Source Filename", "Extraction Results"}));
            QCOMPARE(view->columnWidth(0), twipsToPixels(3000, view->logicalDpiX()));
            QCOMPARE(view->columnWidth(1), twipsToPixels(4400, view->logicalDpiX()));
        } else {
            QCOMPARE(w.headers(), QStringList{"Results"});
            QCOMPARE(view->columnWidth(0), twipsToPixels(7000, view->logicalDpiX()));
        }
        QVERIFY(w.platform.boxes.isEmpty());
        QVERIFY(!w.form().isBusy());
        QCOMPARE(w.control<QProgressBar>("ProgressBar1")->value(), 0);
        QCOMPARE(w.control<QProgressBar>("ProgressBar1")->text(), QStringLiteral("Progress Bar"));
    }

    // "Read vCards as the standard defines them" reaches the conversion of every listed file;
    // without it, the status bar counts the lines of every file it would read otherwise.
    void decodeLines_checkBoxReachesTheConversion()
    {
        ExtractionWindow w;
        const QByteArray card = "item1.EMAIL;TYPE=INTERNET:a@x\r\nEMAIL:b@exa\r\n mple\r\nTEL:1\r\n 2\r\n";
        w.form().inputFiles().append(w.writeFile(QStringLiteral("f1.vcf"), card));
        w.form().inputFiles().append(w.writeFile(QStringLiteral("f2.vcf"), card));
        w.click("PushButton13");
        QCOMPARE(w.shownRows(), QStringList({"b@exa", "b@exa"}));
        QCOMPARE(w.form().statusBar().note(),
                 QStringLiteral("4 lines were folded, quoted-printable or grouped (item1.EMAIL) and read as written: "
                                "tick \"Read vCards as the standard defines them\" to read them"));
        w.control<QCheckBox>("Check15")->click();
        w.click("PushButton13");
        QCOMPARE(w.shownRows(), QStringList({"a@x", "b@example", "a@x", "b@example"}));
        QCOMPARE(w.form().statusBar().note(), QString());
    }

    void messages_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("textBox");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("withFiles");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("resultsKept");

        const QString noFiles = QStringLiteral("No files added.");
        const QString fillOut = QStringLiteral("Fill out text to use to extract lines.");
        QTest::newRow("all lines, no files") << "PushButton13"
                                             << ""
                                             << "" << false << noFiles << false;
        QTest::newRow("containing, empty text") << "PushButton2"
                                                << "Text1"
                                                << "" << true << fillOut << true;
        QTest::newRow("containing, empty text and no files") << "PushButton2"
                                                             << "Text1"
                                                             << "" << false << fillOut << true;
        QTest::newRow("containing, no files") << "PushButton2"
                                              << "Text1"
                                              << " " << false << noFiles << true;
        QTest::newRow("not containing, empty text") << "PushButton8"
                                                    << "Text2"
                                                    << "" << true << fillOut << true;
        QTest::newRow("not containing, no files") << "PushButton8"
                                                  << "Text2"
                                                  << "x" << false << noFiles << true;
        QTest::newRow("by number, empty text") << "PushButton7"
                                               << "Text5"
                                               << "" << true << fillOut << true;
        QTest::newRow("by number, no files") << "PushButton7"
                                             << "Text5"
                                             << "1" << false << noFiles << true;
    }

    void messages()
    {
        QFETCH(QString, button);
        QFETCH(QString, textBox);
        QFETCH(QString, text);
        QFETCH(bool, withFiles);
        QFETCH(QString, message);
        QFETCH(bool, resultsKept);
        ExtractionWindow w;
        w.listTwoFiles();
        w.control<QCheckBox>("Check14")->setChecked(true);
        w.click("PushButton13");
        QCOMPARE(w.shownRows().size(), 4);
        if (!withFiles)
            w.form().inputFiles().clear();
        if (!textBox.isEmpty())
            w.control<QLineEdit>(qPrintable(textBox))->setText(text);
        w.click(qPrintable(button));

        QCOMPARE(w.platform.messages(), QStringList{message});
        QCOMPARE(w.platform.lastBox().caption, QStringLiteral("Cardisto"));
        QCOMPARE(w.shownRows().size(), resultsKept ? 4 : 0);
        QCOMPARE(w.headers(), QStringList({"Source Filename", "Extraction Results"})); // headers stay as they were
        QVERIFY(!w.form().isBusy());
    }

    void progress_quarterPerFileOfFour()
    {
        ExtractionWindow w;
        w.listFiles({{"1@x"}, {"2@x"}, {"3@x"}, {"4@x"}});
        auto* bar = w.control<QProgressBar>("ProgressBar1");
        QSignalSpy values(bar, &QProgressBar::valueChanged);
        QStringList captions;
        QList<bool> busy;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, &watcher, [&] {
            if (captions.isEmpty() || captions.constLast() != bar->text())
                captions.append(bar->text());
            busy.append(w.form().isBusy());
        });
        watcher.start(0);
        w.click("PushButton13");
        watcher.stop();

        QCOMPARE(values.size(), 5);
        QCOMPARE((QList<int>{values[0][0].toInt(), values[1][0].toInt(), values[2][0].toInt(), values[3][0].toInt(),
                             values[4][0].toInt()}),
                 (QList<int>{25, 50, 75, 100, 0}));
        QCOMPARE(captions,
                 QStringList({"Processing: f1.vcf", "Processing: f2.vcf", "Processing: f3.vcf", "Processing: f4.vcf"}));
        QVERIFY(busy.contains(true)); // the hourglass showed while the files were read
        QCOMPARE(bar->text(), QStringLiteral("Progress Bar"));
        QVERIFY(!w.form().isBusy());
    }

    // The options are read once per turn of events, not once per run: a box ticked during the run
    // counts from the next offer on.
    void optionsTickedDuringARun_countFromTheNextOffer()
    {
        ExtractionWindow w;
        w.listFiles({{"1@x", "2@x"}, {"2@x", "3@x"}});
        w.duringRun([&] { return w.form().results().totalRowCount() == 1; },
                    [&] {
                        w.control<QCheckBox>("Check14")->setChecked(true);
                        w.control<QCheckBox>("Check1")->setChecked(true);
                    });
        w.click("PushButton13");

        const ResultsModel& results = w.form().results();
        QCOMPARE(results.totalRowCount(), 3); // the second file's 2@x is a duplicate
        QCOMPARE(results.hasSubItem(0), false);
        QCOMPARE(results.subItemText(1), QStringLiteral("2@x"));
        QCOMPARE(results.subItemText(2), QStringLiteral("3@x"));
    }

    void runFlag_refusesASecondClickFromInsideTheRun()
    {
        ExtractionWindow w;
        w.listTwoFiles();
        bool clicked = false;
        w.duringRun([] { return true; },
                    [&] {
                        w.click("PushButton13");
                        w.click("PushButton2"); // would say "Fill out text..." if it ran
                        w.click("PushButton7");
                        clicked = true;
                    });
        w.click("PushButton13");

        QVERIFY(clicked);
        QCOMPARE(w.shownRows(), QStringList({"a1@x", "shared@x", "shared@x", "A1@x"}));
        QVERIFY(w.platform.boxes.isEmpty());
        // Once the run is over, the next click runs again.
        w.click("PushButton2");
        QCOMPARE(w.platform.messages(), QStringList{"Fill out text to use to extract lines."});
    }

    void busyGuards_holdWhileTheHourglassShows()
    {
        ExtractionWindow w;
        w.form().show();
        w.listTwoFiles();
        w.click("PushButton13");
        auto* inputs = w.control<QTableView>("ListView1");
        auto* results = w.control<QTableView>("ListView2");
        inputs->selectRow(0);
        results->selectRow(0);
        const QStringList inputRows = w.form().inputFiles().texts();
        bool tried = false;
        w.duringRun([&] { return w.form().isBusy() && w.form().results().rowCount() > 0; },
                    [&] {
                        QTest::keyClick(inputs, Qt::Key_Delete);
                        w.doubleClickRow(inputs, 0);
                        w.click("PushButton14");
                        w.doubleClickRow(results, 0);
                        tried = true;
                    });
        w.click("PushButton13");

        QVERIFY(tried);
        QCOMPARE(w.form().inputFiles().texts(), inputRows);
        QCOMPARE(w.shownRows(), QStringList({"a1@x", "shared@x", "shared@x", "A1@x"}));
    }

    void rowsReachTheViewAtEveryYield()
    {
        ExtractionWindow w;
        w.listFiles({{"1@x", "2@x", "3@x"}, {"4@x", "5@x"}});
        QList<int> shown;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, &watcher, [&] {
            // Pending rows were committed before the events ran.
            QCOMPARE(w.form().results().pendingRowCount(), 0);
            shown.append(w.form().results().rowCount());
        });
        watcher.start(0);
        w.click("PushButton13");
        QVERIFY(shown.contains(3));
        QCOMPARE(w.form().results().rowCount(), 5);
    }

    void failingStep_showsTheErrorBoxAndTheRunGoesOn()
    {
        ExtractionWindow w;
        w.listTwoFiles();
        w.control<QLineEdit>("Text5")->setText(QStringLiteral("2,x"));
        w.click("PushButton7");

        QCOMPARE(w.platform.errors(),
                 QStringList{"Type mismatch\r\nin Velmora2021/08/31.Form1.PushButton7_Click at line 116\r\rPlease "
                             "email screenshot of this message to support@corvane.example"});
        QCOMPARE(w.platform.lastBox().caption, QStringLiteral("Application Error"));
        QCOMPARE(w.shownRows(), QStringList({"shared@x", "A1@x"}));
        QVERIFY(!w.form().isBusy());
    }

    // A path cut short keeps its start and its file name, and its tooltip holds it whole.
    void sourceColumn_cutsPathsInTheMiddleAndShowsThemWholeAsTooltip()
    {
        ExtractionWindow w;
        w.form().show();
        const QString path = w.writeEmailsFile(QString(60, u'x') + QStringLiteral(".vcf"), {"a1@x"});
        w.form().inputFiles().append(path);
        w.control<QCheckBox>("Check14")->setChecked(true);
        w.click("PushButton13");
        auto* results = w.control<QTableView>("ListView2");
        QCOMPARE(results->textElideMode(), Qt::ElideMiddle);
        const QPoint cell = results->visualRect(results->model()->index(0, 0)).center();
        QHelpEvent help(QEvent::ToolTip, cell, results->viewport()->mapToGlobal(cell));
        QCoreApplication::sendEvent(results->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), path);
    }

    void resultsList_doubleClickRemovesOneRowAndClearListKeepsHeaders()
    {
        ExtractionWindow w;
        w.form().show();
        auto* results = w.control<QTableView>("ListView2");
        const QPoint firstRow(10, results->verticalHeader()->defaultSectionSize() / 2);
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, firstRow);
        QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, firstRow); // empty: nothing happens
        QVERIFY(w.platform.boxes.isEmpty());

        w.listTwoFiles();
        w.control<QCheckBox>("Check14")->setChecked(true);
        w.click("PushButton13");
        w.doubleClickRow(results, 1);
        QCOMPARE(w.shownRows(), QStringList({"f1.vcf|a1@x", "f2.vcf|shared@x", "f2.vcf|A1@x"}));

        w.click("PushButton9");
        QCOMPARE(w.shownRows(), QStringList());
        QCOMPARE(w.headers(), QStringList({"Source Filename", "Extraction Results"}));
        QVERIFY(w.platform.boxes.isEmpty());
    }

    void closingDuringARun_endsItAfterTheCurrentLine()
    {
        ExtractionWindow w;
        w.form().show();
        w.listFiles({{"1@x", "2@x"}, {"3@x"}, {"4@x"}});
        w.duringRun([&] { return w.form().results().totalRowCount() == 1; }, [&] { w.form().close(); });
        w.click("PushButton13");

        QVERIFY(w.form().isClosing());
        QCOMPARE(w.shownRows(), QStringList({"1@x"}));
        QVERIFY(!w.form().isBusy());
        QVERIFY(w.platform.boxes.isEmpty());
    }
};

QTEST_MAIN(TestForm1Extraction)
#include "TestForm1Extraction.moc"
