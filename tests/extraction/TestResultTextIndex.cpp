// SPDX-License-Identifier: GPL-3.0-or-later
#include "extraction/ResultTextIndex.h"

#include <QHash>
#include <QRandomGenerator>
#include <QTest>

using namespace cardisto;

class TestResultTextIndex : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomAddsAndRemoves_matchAPlainCount()
    {
        // Many keys in a table that grows and closes gaps on removal: every answer must match a plain
        // count, whatever runs of neighbouring slots the removals break up.
        QRandomGenerator random(20240611);
        ResultTextIndex index;
        QHash<QString, int> expected;
        QStringList keys;
        for (int i = 0; i < 3000; ++i)
            keys.append(QString::number(i * 7919 % 100003, 36));
        for (int step = 0; step < 60000; ++step) {
            const QString& key = keys.at(random.bounded(int(keys.size())));
            if (random.bounded(3) == 0) {
                index.remove(key);
                if (expected.contains(key) && --expected[key] == 0)
                    expected.remove(key);
            } else {
                index.add(key);
                ++expected[key];
            }
            if (step % 5000 == 0) {
                for (const QString& probe : keys)
                    QCOMPARE(index.contains(probe), expected.contains(probe));
            }
        }
        QCOMPARE(index.distinctCount(), expected.size());
        for (const QString& probe : keys)
            QCOMPARE(index.contains(probe), expected.contains(probe));
    }

    void growingTable_answersEveryLookupWhileItsSlotsMove()
    {
        // The table grows by moving a few old slots with each addition: lookups and counts taken in
        // the middle of a move must see every text, wherever it is at that moment. 100,000 texts take
        // the table past the size where it is mapped as a block of its own.
        constexpr int kTexts = 100000;
        ResultTextIndex index;
        QStringList added;
        for (int i = 0; i < kTexts; ++i) {
            const QString text = QStringLiteral("person%1@example.org").arg(i);
            index.add(text);
            added.append(text);
            if (i % 3 == 0)
                index.add(added.at(i / 2)); // counted twice, possibly while it waits in the old table
            if (i % 9973 == 0 || (i & (i - 1)) == 0) {
                for (const QString& probe : added)
                    QVERIFY2(index.contains(probe), qPrintable(probe));
                QVERIFY(!index.contains(QStringLiteral("nobody@example.org")));
            }
        }
        QCOMPARE(index.distinctCount(), added.size());
        // Every count survived the moves: taking the second additions away leaves every text listed.
        for (int i = 0; i < kTexts; i += 3)
            index.remove(added.at(i / 2));
        QCOMPARE(index.distinctCount(), added.size());
        for (const QString& text : added)
            index.remove(text);
        QCOMPARE(index.distinctCount(), 0);
        for (const QString& text : added)
            QVERIFY(!index.contains(text));
    }

    void textsThatDifferOnlySlightly_stayApart_data()
    {
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("other");
        QTest::newRow("empty and one zero character") << QString() << QString(1, QChar(0));
        QTest::newRow("trailing zero character") << QStringLiteral("ab") << QStringLiteral("ab") + QChar(0);
        QTest::newRow("letter case") << QStringLiteral("Ann") << QStringLiteral("ann");
        QTest::newRow("trailing blank") << QStringLiteral("Ann") << QStringLiteral("Ann ");
        QTest::newRow("ninth character") << QStringLiteral("abcdefghX") << QStringLiteral("abcdefghY");
    }

    void textsThatDifferOnlySlightly_stayApart()
    {
        QFETCH(QString, listed);
        QFETCH(QString, other);
        ResultTextIndex index;
        index.add(listed);
        QVERIFY(index.contains(listed));
        QVERIFY(!index.contains(other));
    }

    void countedTexts_leaveWithTheirLastCount()
    {
        ResultTextIndex index;
        index.add(QStringLiteral("a"));
        index.add(QStringLiteral("a"));
        index.remove(u"a");
        QVERIFY(index.contains(u"a"));
        index.remove(u"a");
        QVERIFY(!index.contains(u"a"));
        index.remove(u"a"); // absent: nothing happens
        QCOMPARE(index.distinctCount(), 0);
        index.add(QStringLiteral("b"));
        index.clear();
        QVERIFY(!index.contains(u"b"));
        index.add(QStringLiteral("b"));
        QVERIFY(index.contains(u"b"));
    }
};

QTEST_GUILESS_MAIN(TestResultTextIndex)
#include "TestResultTextIndex.moc"
