// SPDX-License-Identifier: GPL-3.0-or-later
#include "extraction/AddRule.h"
#include "extraction/ResultsModel.h"
#include "output/AlignedTextFile.h"
#include "support/RecordingErrorReporter.h"
#include "support/ResultRows.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

using namespace cardisto;

namespace {

QStringList columnTexts(const ResultsModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.data(model.index(row, column)).toString());
    return texts;
}

} // namespace

class TestResultsModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tester_acceptsEveryChangeOfTheList()
    {
        ResultsModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setLayout(ResultsLayout::WithSourceFilename);
        model.appendRow("/data/a.vcf", "one");
        model.appendRow("/data/a.vcf", "two");
        model.commitPendingRows();
        model.setLayout(ResultsLayout::ResultsOnly);
        model.appendRow("three");
        QCoreApplication::processEvents(); // the queued commit
        QCOMPARE(model.rowCount(), 3);
        QVERIFY(model.setData(model.index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
        model.removeRowAt(0);
        model.setLayout(ResultsLayout::WithSourceFilename);
        model.appendRow("pending");
        model.removeAllRows();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.totalRowCount(), 0);
    }

    void appends_reachViewsInOneInsertionPerCommit()
    {
        ResultsModel model;
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        for (int i = 0; i < 1000; ++i)
            model.appendRow(QString::number(i));
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.totalRowCount(), 1000);
        QVERIFY(ItemExists(model, u"999")); // the duplicate test sees rows not yet shown
        model.commitPendingRows();
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(inserted[0][1].toInt(), 0);
        QCOMPARE(inserted[0][2].toInt(), 999);
        QCOMPARE(model.rowCount(), 1000);
        model.commitPendingRows();
        QCOMPARE(inserted.size(), 1); // nothing pending, nothing announced
    }

    void pendingRows_areCommittedOnTheNextEventLoopTurn()
    {
        ResultsModel model;
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.appendRow("a");
        model.appendRow("b");
        QCOMPARE(inserted.size(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(columnTexts(model, 0), (QStringList{"a", "b"}));
        model.appendRow("c");
        QCoreApplication::processEvents();
        QCOMPARE(inserted.size(), 2);
        QCOMPARE(inserted[1][1].toInt(), 2);
    }

    // With a commit interval, the rows appended after a commit wait for the interval to pass,
    // whatever turns of events come meanwhile; an explicit commit or a removal still commits.
    void commitInterval_holdsRowsBackUntilItHasPassed()
    {
        ResultsModel model;
        model.setCommitInterval(std::chrono::hours(1));
        model.appendRow("a");
        QCoreApplication::processEvents();
        QCOMPARE(model.rowCount(), 1); // the first commit is not held back
        model.appendRow("b");
        QCoreApplication::processEvents();
        model.commitPendingRowsIfDue();
        QCOMPARE(model.rowCount(), 1);
        model.removeRowAt(0);
        QCOMPARE(columnTexts(model, 0), QStringList{"b"});
        model.setCommitInterval(std::chrono::milliseconds(0));
        model.appendRow("c");
        model.commitPendingRowsIfDue();
        QCOMPARE(model.rowCount(), 2);
    }

    void removals_commitPendingRowsFirst()
    {
        ResultsModel model;
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.appendRow("a");
        model.appendRow("b");
        model.appendRow("c");
        model.removeRowAt(1);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(removed.size(), 1);
        QCOMPARE(removed[0][1].toInt(), 1);
        QCOMPARE(columnTexts(model, 0), (QStringList{"a", "c"}));
        model.removeRowAt(5); // no such row: nothing happens
        QCOMPARE(model.rowCount(), 2);
    }

    void lookups_followRemovals()
    {
        ResultsModel model;
        model.appendRow("a");
        model.appendRow("a");
        model.appendRow("/f.vcf", "r");
        model.removeRowAt(0);
        QVERIFY(ItemExists(model, u"a")); // the other row of the same text is still there
        model.removeRowAt(0);
        QVERIFY(!ItemExists(model, u"a"));
        QVERIFY(model.containsSubItemText(u"r"));
        QVERIFY(ItemExists(model, u"/f.vcf"));
        model.removeAllRows();
        QVERIFY(!model.containsSubItemText(u"r"));
        QVERIFY(!ItemExists(model, u"/f.vcf"));

        // Rows left to the program's end are gone from the list, its views and its lookups alike.
        model.appendRow("a");
        model.appendRow("/f.vcf", "r");
        QVERIFY(ItemExists(model, u"a"));
        model.commitPendingRows();
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.leaveRowsToProgramEnd();
        QCOMPARE(reset.size(), 1);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.totalRowCount(), 0);
        QVERIFY(!ItemExists(model, u"a"));
        QVERIFY(!model.containsSubItemText(u"r"));
        QVERIFY(model.appendRowUnlessListed("/f.vcf", u"r"));
        QCOMPARE(model.subItemText(0), QStringLiteral("r"));
    }

    void lookups_coverRowsAddedWithoutThem()
    {
        // Rows appended while nobody asked are indexed when the first question comes, and removals
        // before and after that point keep the answers right.
        ResultsModel model;
        model.appendRow("a");
        model.appendRow("b");
        QVERIFY(ItemExists(model, u"b"));
        model.appendRow("c");
        model.appendRow("/f.vcf", "d");
        model.removeRowAt(3); // not indexed yet
        model.removeRowAt(0); // indexed
        QVERIFY(!ItemExists(model, u"a"));
        QVERIFY(ItemExists(model, u"c"));
        QVERIFY(!model.containsSubItemText(u"d"));
        QVERIFY(!model.appendRowUnlessListed(u"c"));
        QVERIFY(model.appendRowUnlessListed(u"a"));
        QVERIFY(model.appendRowUnlessListed("/f.vcf", u"d"));
        QVERIFY(!model.appendRowUnlessListed("/g.vcf", u"d"));
        QCOMPARE(model.totalRowCount(), 4);
        QCOMPARE(model.subItemText(3), QStringLiteral("d"));
        QCOMPARE(model.subItemText(0), QString()); // rows without a sub-item read as empty
    }

    void itemExists_isExact_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("exists");
        QTest::newRow("same text") << "John Doe" << true;
        QTest::newRow("letter case differs") << "john doe" << false;
        QTest::newRow("trailing blank") << "John Doe " << false;
        QTest::newRow("empty text") << "" << false;
    }

    void itemExists_isExact()
    {
        QFETCH(QString, text);
        QFETCH(bool, exists);
        ResultsModel model;
        QVERIFY(!ItemExists(model, text)); // a list without rows has none
        model.appendRow("John Doe");
        model.appendRow("/x.vcf", text); // sub-items are not the first column
        QCOMPARE(ItemExists(model, text), exists);
    }

    void rows_startCheckedAndTheUserMayUncheckThem()
    {
        ResultsModel model;
        model.setLayout(ResultsLayout::WithSourceFilename);
        model.appendRow("/f.vcf", "r");
        model.commitPendingRows();
        QCOMPARE(model.data(model.index(0, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(!model.data(model.index(0, 1), Qt::CheckStateRole).isValid());
        QVERIFY(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsUserCheckable));
        QVERIFY(!model.flags(model.index(0, 1)).testFlag(Qt::ItemIsUserCheckable));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(model.setData(model.index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][2].value<QList<int>>(), QList<int>{Qt::CheckStateRole});
        QVERIFY(!model.isRowChecked(0));
        QVERIFY(!model.setData(model.index(0, 1), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!model.setData(model.index(0, 0), "edited", Qt::EditRole)); // texts are not editable
    }

    void headerLayouts_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("start-up") << int(ResultsLayout::StartUp) << QStringList{"Results"} << QList<int>{7300};
        QTest::newRow("results only") << int(ResultsLayout::ResultsOnly) << QStringList{"Results"} << QList<int>{7000};
        QTest::newRow("with source") << int(ResultsLayout::WithSourceFilename)
                                     << QStringList{"Source Filename", "Extraction Results"} << QList<int>{3000, 4400};
    }

    void headerLayouts()
    {
        QFETCH(int, layout);
        QFETCH(QStringList, headers);
        QFETCH(QList<int>, widths);
        ResultsModel model;
        model.setLayout(ResultsLayout(layout));
        QCOMPARE(model.columnCount(), headers.size());
        for (int column = 0; column < headers.size(); ++column) {
            QCOMPARE(model.headerData(column, Qt::Horizontal).toString(), headers[column]);
            QCOMPARE(model.headerData(column, Qt::Horizontal, ResultsModel::WidthTwipsRole).toInt(), widths[column]);
        }
    }

    void rebuildingHeaders_announcesColumnChangesAndKeepsRows()
    {
        ResultsModel model;
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Results"));
        model.appendRow("kept");
        model.commitPendingRows();
        QSignalSpy inserted(&model, &QAbstractItemModel::columnsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::columnsRemoved);
        QSignalSpy headers(&model, &QAbstractItemModel::headerDataChanged);
        model.setLayout(ResultsLayout::WithSourceFilename);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(model.rowCount(), 1);
        QVERIFY(!model.data(model.index(0, 1)).isValid()); // a row added without its source has no sub-item
        model.setLayout(ResultsLayout::ResultsOnly);
        QCOMPARE(removed.size(), 1);
        QCOMPARE(headers.size(), 2);
    }

    void writers_takeTheCheckedRowsWithTheirSubItems()
    {
        ResultsModel model;
        model.setLayout(ResultsLayout::WithSourceFilename);
        model.appendRow("a.vcf", "kept");
        model.appendRow("a.vcf", "left out");
        model.appendRow("b.vcf", "=x");
        model.commitPendingRows();
        QVERIFY(model.setData(model.index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        test::RecordingErrorReporter reporter;
        QVERIFY(SaveListviewProperlySpaced(model, buffer, "r.txt", reporter));
        QCOMPARE(buffer.data(), QByteArray("Source Filename\tExtraction Results\t\r\n"
                                           "a.vcf          \tkept              \t\r\n"
                                           "b.vcf          \t=x                \t\r\n"));
    }

    void addRule_data()
    {
        QTest::addColumn<bool>("removeDuplicates");
        QTest::addColumn<bool>("showSource");
        QTest::addColumn<QStringList>("offers"); // "source|result"
        QTest::addColumn<QStringList>("rows");   // "text" or "text|sub-item"
        QTest::newRow("duplicates kept when not removed")
            << false << false << QStringList{"a.vcf|x", "b.vcf|x"} << QStringList{"x", "x"};
        QTest::newRow("same line of a second file dropped")
            << true << false << QStringList{"a.vcf|x", "b.vcf|x", "b.vcf|y"} << QStringList{"x", "y"};
        QTest::newRow("duplicate test respects letter case")
            << true << false << QStringList{"a.vcf|x", "a.vcf|X"} << QStringList{"x", "X"};
        QTest::newRow("empty lines are results too")
            << true << false << QStringList{"a.vcf|", "a.vcf|"} << QStringList{""};
        QTest::newRow("source shown: the result text decides, whatever its file")
            << true << true << QStringList{"a.vcf|x", "b.vcf|x", "b.vcf|y"} << QStringList{"a.vcf|x", "b.vcf|y"};
        QTest::newRow("source shown: a result equal to a listed path is kept")
            << true << true << QStringList{"a.vcf|x", "b.vcf|a.vcf"} << QStringList{"a.vcf|x", "b.vcf|a.vcf"};
        QTest::newRow("source shown without duplicate removal")
            << false << true << QStringList{"a.vcf|x", "a.vcf|x"} << QStringList{"a.vcf|x", "a.vcf|x"};
    }

    void addRule()
    {
        QFETCH(bool, removeDuplicates);
        QFETCH(bool, showSource);
        QFETCH(QStringList, offers);
        QFETCH(QStringList, rows);
        ResultsModel model;
        const ExtractionOptions options{removeDuplicates, showSource};
        for (const QString& offer : offers)
            OfferResult(model, options, offer.section(u'|', 0, 0), offer.section(u'|', 1));
        QCOMPARE(test::resultRows(model), rows);
    }

    void addRule_optionSwitchedDuringARun_comparesWithinEachLayout()
    {
        // The options are read at every offer; rows of the other layout are not compared.
        ResultsModel model;
        QVERIFY(OfferResult(model, {true, false}, "a.vcf", u"x"));
        QVERIFY(OfferResult(model, {true, true}, "a.vcf", u"x"));
        QVERIFY(!OfferResult(model, {true, true}, "b.vcf", u"x"));
        QVERIFY(!OfferResult(model, {true, false}, "b.vcf", u"x"));
        QCOMPARE(model.totalRowCount(), 2);
    }
};

QTEST_GUILESS_MAIN(TestResultsModel)
#include "TestResultsModel.moc"
