// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeOutputHost.h"
#include "TableModelDouble.h"
#include "output/CopyResultsToClipboard.h"

#include <QTest>

using namespace cardisto;
using test::FakeOutputHost;
using test::TableModelDouble;

namespace {

using Rows = QList<QStringList>;

const QString kCopying = QStringLiteral("caption Copying text to clipboard.. please wait..");
const QString kCopied = QStringLiteral("Results have been copied to the clipboard.\r\rClick a text area where you "
                                       "normally type and press Ctrl+V to paste the clipboard.");
const QString kOlderClipboard = QStringLiteral("what the user copied before");

} // namespace

class TestCopyResultsToClipboard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void copy_data()
    {
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QList<bool>>("set");
        QTest::addColumn<QString>("expected");
        // The layouts themselves are the clipboard text's own tests.
        QTest::newRow("two columns, one row unset")
            << QStringList{"Source Filename", "Extraction Results"} << Rows{{"f.vcf", "x"}, {"longer.vcf", "y"}}
            << QList<bool>{false, true} << "longer.vcf\ty\r\n";
        QTest::newRow("rows but none set: an empty text")
            << QStringList{"Results"} << Rows{{"a"}} << QList<bool>{false} << "";
    }
    void copy()
    {
        QFETCH(QStringList, headers);
        QFETCH(Rows, rows);
        QFETCH(QList<bool>, set);
        QFETCH(QString, expected);
        TableModelDouble list(headers);
        list.addRows(rows, set);
        FakeOutputHost host(list);
        host.platformDouble.setClipboardText(kOlderClipboard);
        QVERIFY(CopyResultsToClipboard(host));
        QCOMPARE(host.platformDouble.clipboardText, expected);
        QCOMPARE(host.platformDouble.clipboardClears, 1);
        // The bar's value is left alone; only its caption says what is going on.
        QCOMPARE(host.trace, QStringList({kCopying, "busy", "idle", "box " + kCopied, "caption Progress Bar"}));
        QCOMPARE(host.platformDouble.lastBox().caption, QStringLiteral("Cardisto"));
    }

    void emptyList_leavesTheClipboardAlone()
    {
        TableModelDouble list({"Results"});
        FakeOutputHost host(list);
        host.platformDouble.setClipboardText(kOlderClipboard);
        const int attemptsBefore = host.platformDouble.clipboardAttempts;
        QVERIFY(CopyResultsToClipboard(host));
        QCOMPARE(host.platformDouble.clipboardText, kOlderClipboard);
        QCOMPARE(host.platformDouble.clipboardAttempts, attemptsBefore);
        QCOMPARE(host.platformDouble.messages(), QStringList{kCopied});
    }

    // The clipboard helpers try 1000 times each; the copy fails only when one of them never gets through.
    void busyClipboard_data()
    {
        QTest::addColumn<int>("failingAttempts");
        QTest::addColumn<bool>("copied");
        QTest::newRow("busy for a while") << 999 << true;
        QTest::newRow("clearing never gets through, setting does") << 1000 << true;
        QTest::newRow("setting gets through at its last attempt") << 1999 << true;
        QTest::newRow("setting never gets through") << 2000 << false;
    }
    void busyClipboard()
    {
        QFETCH(int, failingAttempts);
        QFETCH(bool, copied);
        TableModelDouble list({"Results"});
        list.addRows({{"a"}});
        FakeOutputHost host(list);
        host.platformDouble.failClipboardAttempts(failingAttempts);
        QCOMPARE(CopyResultsToClipboard(host), copied);
        if (copied) {
            QCOMPARE(host.platformDouble.clipboardText, QStringLiteral("a\r\n"));
            QCOMPARE(host.platformDouble.messages(), QStringList{kCopied});
            QVERIFY(host.platformDouble.errors().isEmpty());
        } else {
            QVERIFY(host.platformDouble.messages().isEmpty());
            QCOMPARE(host.platformDouble.errors().size(), 1);
            QVERIFY(host.platformDouble.errors()[0].contains(
                "\r\nin Velmora2021/08/31.Form1.PushButton18_Click at line 100\r\r"));
            QCOMPARE(host.trace.mid(host.trace.size() - 2), QStringList({"idle", "caption Progress Bar"}));
        }
    }

    void listClearedDuringTheCopy_isReportedAndNothingCopied()
    {
        TableModelDouble list({"Results"});
        for (int i = 0; i < 100; ++i)
            list.addRow({QString::number(i)});
        FakeOutputHost host(list);
        host.platformDouble.setClipboardText(kOlderClipboard);
        const int attemptsBefore = host.platformDouble.clipboardAttempts;
        host.whileEventsRun = [&list](int run) {
            if (run == 150)
                list.removeAllRows();
        };
        QVERIFY(!CopyResultsToClipboard(host));
        QCOMPARE(host.platformDouble.clipboardText, kOlderClipboard);
        QCOMPARE(host.platformDouble.clipboardAttempts, attemptsBefore);
        QCOMPARE(host.platformDouble.errors().size(), 1);
        QVERIFY(host.platformDouble.errors()[0].startsWith("The results list changed"));
        QVERIFY(host.platformDouble.messages().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCopyResultsToClipboard)
#include "TestCopyResultsToClipboard.moc"
