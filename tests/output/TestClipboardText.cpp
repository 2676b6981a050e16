// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableModelDouble.h"
#include "output/ClipboardText.h"

#include <QTest>

using namespace cardisto;
using test::TableModelDouble;

namespace {
using Rows = QList<QStringList>;
}

class TestClipboardText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void text_data()
    {
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QList<bool>>("set");
        QTest::addColumn<QString>("expected");

        QTest::newRow("one column loses its padding and final tab")
            << QStringList{"Results"} << Rows{{"a"}, {"abc"}, {"ab"}} << QList<bool>{true, true, true}
            << "a\r\nabc\r\nab\r\n";
        QTest::newRow("two columns, headers not counted")
            << QStringList{"Source Filename", "Extraction Results"} << Rows{{"f.vcf", "x"}, {"longer.vcf", "y"}}
            << QList<bool>{true, true} << "f.vcf     \tx\r\nlonger.vcf\ty\r\n";
        QTest::newRow("empty last cell keeps the tab before it")
            << QStringList{"A", "B"} << Rows{{"f.vcf", ""}, {"f.vcf", "long"}} << QList<bool>{true, true}
            << "f.vcf\t\r\nf.vcf\tlong\r\n";
        QTest::newRow("blanks ending the last cell are dropped")
            << QStringList{"A", "B"} << Rows{{"a", "x  "}} << QList<bool>{true} << "a\tx\r\n";
        QTest::newRow("blanks ending another cell are kept")
            << QStringList{"A", "B"} << Rows{{"a  ", "x"}} << QList<bool>{true} << "a  \tx\r\n";
        QTest::newRow("unset row widens its column but gives no line")
            << QStringList{"A", "B"} << Rows{{"a", "x"}, {"abcd", "y"}} << QList<bool>{true, false} << "a   \tx\r\n";
        QTest::newRow("rows present but none set give an empty text")
            << QStringList{"A"} << Rows{{"a"}} << QList<bool>{false} << "";
        QTest::newRow("widths in characters, not UTF-16 units")
            << QStringList{"A", "B"} << Rows{{QStringLiteral("\U0001F600"), "x"}, {"ab", "y"}}
            << QList<bool>{true, true} << QStringLiteral("\U0001F600 \tx\r\nab\ty\r\n");
    }
    void text()
    {
        QFETCH(QStringList, headers);
        QFETCH(Rows, rows);
        QFETCH(QList<bool>, set);
        QFETCH(QString, expected);
        TableModelDouble list(headers);
        list.addRows(rows, set);
        const std::optional<QString> text = CopyListviewToClipboardText(list);
        QVERIFY(text.has_value());
        QCOMPARE(*text, expected);
    }

    void emptyList_givesNoText()
    {
        TableModelDouble list({"Results"});
        QVERIFY(!CopyListviewToClipboardText(list).has_value());
    }

    void letEventsRun_isCalledPerRowNotPerCell()
    {
        TableModelDouble list({"A", "B", "C"});
        for (int i = 0; i < 10; ++i)
            list.addRow({"a", "b", "c"});
        int calls = 0;
        QVERIFY(CopyListviewToClipboardText(list, [&calls] { ++calls; }).has_value());
        QCOMPARE(calls, 2 * 10); // the width pass and the text pass
    }
};

QTEST_GUILESS_MAIN(TestClipboardText)
#include "TestClipboardText.moc"
