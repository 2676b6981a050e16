// SPDX-License-Identifier: GPL-3.0-or-later
// The indexed text-set matching counts exactly what the plain test of every item counts, for long
// sets of items in any letter case and script, duplicates and empty items included, and follows
// changes of the set between lines.

#include "extraction/TextSetMatcher.h"
#include "extraction/TextSetMatching.h"

#include <QRandomGenerator>
#include <QTest>

using namespace cardisto;

namespace {

// Letters whose case folding is not plain ASCII: sharp s and capital sharp s, the three sigmas,
// the Kelvin sign (folds to k), dotted and dotless i and a ligature.
const QList<QString> kLetters = {
    "a", "A", "b",      "B",      "k",      "K",      "s",      "S",      "i",      "I",      "-",
    " ", "0", "\u00df", "\u1e9e", "\u03a3", "\u03c3", "\u03c2", "\u212a", "\u0130", "\u0131", "\ufb00",
};
// Now and then a Deseret letter from outside the Basic Multilingual Plane or a lone surrogate.
const QList<QString> kRareLetters = {"\U00010400", "\U00010428", QString(QChar(0xd800)), QString(QChar(0xdc00))};

QString randomText(QRandomGenerator& random, int shortest, int longest)
{
    QString text;
    const int length = random.bounded(shortest, longest + 1);
    for (int i = 0; i < length; ++i) {
        const QList<QString>& letters = random.bounded(100) == 0 ? kRareLetters : kLetters;
        text += letters[random.bounded(int(letters.size()))];
    }
    return text;
}

} // namespace

class TestHardeningTextSetMatcher : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countsAsThePlainTest_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("itemCount");
        QTest::addColumn<int>("longestItem");
        QTest::newRow("a few items") << 1u << 5 << 3;
        QTest::newRow("short items") << 2u << 2000 << 2;
        QTest::newRow("items of every length") << 3u << 3000 << 9;
        QTest::newRow("long items") << 4u << 500 << 30;
    }

    void countsAsThePlainTest()
    {
        QFETCH(quint32, seed);
        QFETCH(int, itemCount);
        QFETCH(int, longestItem);
        QRandomGenerator random(seed);
        QStringList items;
        for (int i = 0; i < itemCount; ++i)
            items.append(randomText(random, 0, longestItem));
        items.append(items.mid(0, itemCount / 10)); // duplicates count once each

        TextSetMatcher matcher;
        qsizetype matches = 0;
        for (int line = 0; line < 400; ++line) {
            const QString text = randomText(random, 0, 40);
            const qsizetype expected = MatchingItemCount(text, items);
            QCOMPARE(matcher.matchingItemCount(text, items), expected);
            matches += expected;
            // The user may change the set while a run yields.
            if (line % 100 == 99)
                items.removeAt(random.bounded(int(items.size())));
        }
        QVERIFY(matches > 0);
    }
};

QTEST_GUILESS_MAIN(TestHardeningTextSetMatcher)
#include "TestHardeningTextSetMatcher.moc"
