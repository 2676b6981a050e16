// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputs/InputFileList.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace cardisto;

Q_DECLARE_METATYPE(cardisto::FilterSense)

namespace {

// Rows are given to the data tables as user rows, 1 for the top row.
using Steps = QList<int>;

std::unique_ptr<QAbstractItemModelTester> attachTester(InputFileList& list)
{
    return std::make_unique<QAbstractItemModelTester>(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
}

QMimeData* filesDrop(const QStringList& paths)
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data->setUrls(urls);
    return data;
}

} // namespace

class TestInputFileList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void columnAndToolTip()
    {
        InputFileList list;
        QCOMPARE(list.headerData(0, Qt::Horizontal).toString(), QStringLiteral(" VCF File(s)"));
        QCOMPARE(InputFileList::kColumnWidthTwips, 6700);
        QCOMPARE(InputFileList::toolTipText(),
                 QStringLiteral("Drag and drop files here. Double-click item to remove it. Move | line to right and "
                                "out of window to reveal full names."));
    }

    void append_keepsEveryTextAsGivenInOrder()
    {
        InputFileList list;
        const auto tester = attachTester(list);
        QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
        list.append(QStringLiteral("/in/a.vcf"));
        list.append(QStringList{"/in/b.txt", "", "/in/a.vcf", "/gone/x.vcf"});
        list.append(QStringList());
        QCOMPARE(inserted.size(), 2); // one per batch, none for an empty batch
        QCOMPARE(inserted[1][1].toInt(), 1);
        QCOMPARE(inserted[1][2].toInt(), 4);
        QCOMPARE(list.texts(), QStringList({"/in/a.vcf", "/in/b.txt", "", "/in/a.vcf", "/gone/x.vcf"}));
        QCOMPARE(list.data(list.index(3)).toString(), QStringLiteral("/in/a.vcf"));
        QCOMPARE(list.textAt(1), QStringLiteral("/in/b.txt"));
        QCOMPARE(list.textAt(99), QString());
    }

    void itemExists_comparesWholeTextsExactly()
    {
        InputFileList list;
        list.append(QStringList{"/in/a.vcf", "/in/a.vcf", "/in/B.vcf"});
        QVERIFY(list.ItemExists("/in/a.vcf"));
        QVERIFY(!list.ItemExists("/in/A.vcf"));
        QVERIFY(!list.ItemExists("/in/a.vcf "));
        QVERIFY(!list.ItemExists("/in/a"));
        QVERIFY(list.removeAt(0));
        QVERIFY(list.ItemExists("/in/a.vcf")); // its twin is still listed
        QVERIFY(list.removeAt(0));
        QVERIFY(!list.removeAt(1));
        QVERIFY(!list.ItemExists("/in/a.vcf"));
        list.append(QStringList{"/in/c.vcf"}); // added after the first question
        QVERIFY(list.ItemExists("/in/c.vcf"));
        list.clear();
        QVERIFY(!list.ItemExists("/in/B.vcf"));
        list.append(QStringList{"/in/B.vcf"});
        QVERIFY(list.ItemExists("/in/B.vcf"));
        QVERIFY(!InputFileList().ItemExists(QString()));
    }

    void clear_removesAllRowsAtOnce()
    {
        InputFileList list;
        const auto tester = attachTester(list);
        QSignalSpy removed(&list, &QAbstractItemModel::rowsRemoved);
        list.clear();
        QCOMPARE(removed.size(), 0);
        list.append(QStringList{"a", "b", "c"});
        list.clear();
        QCOMPARE(removed.size(), 1);
        QCOMPARE(list.count(), 0);
        QCOMPARE(list.headerData(0, Qt::Horizontal).toString(), QStringLiteral(" VCF File(s)"));
    }

    void rowDrag_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("dragged");
        QTest::addColumn<Steps>("hovered");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("draggedAfter");
        const QStringList abcd{"a", "b", "c", "d"};
        QTest::newRow("row 1 over rows 2, 3 and 4 in turn")
            << abcd << 1 << Steps{2, 3, 4} << QStringList{"b", "c", "d", "a"} << 4;
        QTest::newRow("jump from row 1 to row 4 swaps only those")
            << abcd << 1 << Steps{4} << QStringList{"d", "b", "c", "a"} << 4;
        QTest::newRow("row 4 up over rows 3, 2 and 1")
            << abcd << 4 << Steps{3, 2, 1} << QStringList{"d", "a", "b", "c"} << 1;
        QTest::newRow("hovering the dragged row itself") << abcd << 2 << Steps{2} << abcd << 2;
        QTest::newRow("equal texts never swap")
            << QStringList{"a", "a", "b"} << 1 << Steps{2} << QStringList{"a", "a", "b"} << 1;
        QTest::newRow("past an equal text the drag goes on from where it was")
            << QStringList{"a", "a", "b"} << 1 << Steps{2, 3} << QStringList{"b", "a", "a"} << 3;
        QTest::newRow("no row under the pointer") << abcd << 1 << Steps{0} << abcd << 1;
        QTest::newRow("below the last row") << abcd << 1 << Steps{5} << abcd << 1;
        QTest::newRow("no dragged row") << abcd << 0 << Steps{2} << abcd << 0;
    }
    void rowDrag()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, dragged);
        QFETCH(Steps, hovered);
        QFETCH(QStringList, expected);
        QFETCH(int, draggedAfter);
        InputFileList list;
        const auto tester = attachTester(list);
        list.append(rows);
        QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
        int row = dragged - 1;
        for (int step : hovered)
            row = list.dragOver(row, step - 1);
        QCOMPARE(list.texts(), expected);
        QCOMPARE(row, draggedAfter - 1);
        QCOMPARE(changed.isEmpty(), rows == expected);
        for (const QString& text : rows)
            QVERIFY(list.ItemExists(text));
    }

    void removeByFilter_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<FilterSense>("sense");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("rangesRemoved");
        const QStringList files{"/in/a.vcf", "/in/B.VCF", "/in/c.txt", "/Vcf-old/d.txt", "/in/e.Vcf"};
        QTest::newRow("VCF in any letter case, folder names too")
            << files << "VCF" << FilterSense::Containing << QStringList{"/in/c.txt"} << 2;
        QTest::newRow("not containing VCF")
            << files << "vcf" << FilterSense::NotContaining
            << QStringList{"/in/a.vcf", "/in/B.VCF", "/Vcf-old/d.txt", "/in/e.Vcf"} << 1;
        QTest::newRow("matches nothing") << files << "xyz" << FilterSense::Containing << files << 0;
        QTest::newRow("matches everything") << files << "/" << FilterSense::Containing << QStringList() << 1;
        QTest::newRow("not containing a text no row holds empties the list")
            << files << "xyz" << FilterSense::NotContaining << QStringList() << 1;
        QTest::newRow("one blank") << QStringList{"/my files/a.vcf", "/in/b.vcf", "/in/c d.vcf"} << " "
                                   << FilterSense::Containing << QStringList{"/in/b.vcf"} << 2;
        QTest::newRow("empty filter removes nothing") << files << "" << FilterSense::NotContaining << files << 0;
        QTest::newRow("letters beyond ASCII") << QStringList{"/ÄRZTE/a.vcf", "/b.vcf"} << "ärzte"
                                              << FilterSense::Containing << QStringList{"/b.vcf"} << 1;
        QTest::newRow("empty rows contain nothing")
            << QStringList{"", "a", ""} << "a" << FilterSense::NotContaining << QStringList{"a"} << 2;
    }
    void removeByFilter()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, filter);
        QFETCH(FilterSense, sense);
        QFETCH(QStringList, expected);
        QFETCH(int, rangesRemoved);
        InputFileList list;
        const auto tester = attachTester(list);
        list.append(rows);
        QVERIFY(rows.isEmpty() || list.ItemExists(rows.first())); // asked before: the removal keeps it up to date
        QSignalSpy removed(&list, &QAbstractItemModel::rowsRemoved);
        QCOMPARE(list.removeByFilter(filter, sense), rows.size() - expected.size());
        QCOMPARE(list.texts(), expected);
        QCOMPARE(removed.size(), rangesRemoved); // one signal per run of neighbouring rows
        for (const QString& text : rows)
            QCOMPARE(list.ItemExists(text), expected.contains(text));
    }

    void removeByFilter_manyScatteredRowsOfALongList()
    {
        // Every other row of 100,000 goes: 50,000 runs of one row, too many to signal one by one, so
        // the views are told to start afresh.
        InputFileList list;
        QStringList rows;
        for (int i = 0; i < 100000; ++i)
            rows.append(QStringLiteral("/in/%1.%2").arg(i).arg(i % 2 ? "txt" : "vcf"));
        list.append(rows);
        QSignalSpy removed(&list, &QAbstractItemModel::rowsRemoved);
        QSignalSpy reset(&list, &QAbstractItemModel::modelReset);
        QCOMPARE(list.removeByFilter("VCF", FilterSense::Containing), 50000);
        QCOMPARE(removed.size(), 0);
        QCOMPARE(reset.size(), 1);
        QCOMPARE(list.count(), 50000);
        QCOMPARE(list.textAt(0), QStringLiteral("/in/1.txt"));
        QCOMPARE(list.textAt(49999), QStringLiteral("/in/99999.txt"));
        QVERIFY(!list.ItemExists("/in/0.vcf"));
        QVERIFY(list.ItemExists("/in/99999.txt"));
    }

    void removeByFilter_listIsWholeAtEverySignal()
    {
        // A view reading the list while ranges go must see exactly the rows not yet removed.
        InputFileList list;
        const auto tester = attachTester(list);
        QStringList rows;
        for (int i = 0; i < 60; ++i)
            rows.append(QStringLiteral("/in/%1.%2").arg(i).arg(i % 7 < 3 ? "txt" : "vcf"));
        list.append(rows);
        QStringList expected = rows;
        connect(&list, &QAbstractItemModel::rowsAboutToBeRemoved, this, [&](const QModelIndex&, int first, int last) {
            QCOMPARE(list.texts(), expected);
            for (int row = first; row <= last; ++row)
                QVERIFY(list.textAt(row).endsWith(".txt"));
            expected.remove(first, last - first + 1);
        });
        connect(&list, &QAbstractItemModel::rowsRemoved, this, [&] { QCOMPARE(list.texts(), expected); });
        QCOMPARE(list.removeByFilter("txt", FilterSense::Containing), 27);
        QCOMPARE(list.count(), 33);
        for (int row = 0; row < list.count(); ++row)
            QCOMPARE(list.data(list.index(row)).toString(), expected[row]);
    }

    void drop_acceptsFilesOnly()
    {
        InputFileList list;
        QMimeData text;
        text.setText("/in/a.vcf");
        QVERIFY(!list.canDropMimeData(&text, Qt::CopyAction, -1, -1, QModelIndex()));
        QVERIFY(!list.dropMimeData(&text, Qt::CopyAction, -1, -1, QModelIndex()));
        QMimeData web;
        web.setUrls({QUrl("https://www.corvane.example/a.vcf")});
        QVERIFY(!list.canDropMimeData(&web, Qt::CopyAction, -1, -1, QModelIndex()));
        QCOMPARE(list.count(), 0);
        QVERIFY(!list.supportedDropActions().testFlag(Qt::MoveAction));
        QVERIFY(list.flags(QModelIndex()).testFlag(Qt::ItemIsDropEnabled));
    }

    void drop_appendsInDropOrderWithFoldersAtTheirPlace()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("folder");
        QVERIFY(QDir().mkpath(folder));
        const QStringList dropped{dir.filePath("b.txt"), folder, dir.filePath("a.vcf")};
        const auto native = [](const QString& path) {
            return QDir::toNativeSeparators(path);
        };

        // Until a folder scan is wired, a folder is appended like a file; nothing is checked.
        InputFileList plain;
        std::unique_ptr<QMimeData> data(filesDrop(dropped));
        QVERIFY(plain.dropMimeData(data.get(), Qt::CopyAction, 0, 0, QModelIndex()));
        QCOMPARE(plain.texts(), QStringList({native(dropped[0]), native(folder), native(dropped[2])}));

        InputFileList scanned;
        QStringList handed;
        scanned.setFolderDropHandler([&](const QString& path) {
            handed.append(path);
            scanned.append(path + QDir::separator() + "inside.vcf");
        });
        QVERIFY(scanned.dropMimeData(data.get(), Qt::CopyAction, -1, -1, QModelIndex()));
        QCOMPARE(handed, QStringList{native(folder)});
        QCOMPARE(scanned.texts(), QStringList({native(dropped[0]), native(folder) + QDir::separator() + "inside.vcf",
                                               native(dropped[2])}));
    }
};

QTEST_GUILESS_MAIN(TestInputFileList)
#include "TestInputFileList.moc"
