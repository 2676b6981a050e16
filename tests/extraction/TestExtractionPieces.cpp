// SPDX-License-Identifier: GPL-3.0-or-later
#include "extraction/ConvertedLines.h"
#include "extraction/ExtractBetween.h"
#include "extraction/LineFilter.h"
#include "extraction/LineNumberList.h"
#include "extraction/NumberText.h"
#include "extraction/OptionsBetweenTurns.h"
#include "extraction/TextSetMatching.h"

#include <QTest>

using namespace cardisto;

namespace {

QStringList toStrings(const QList<QStringView>& views)
{
    QStringList strings;
    for (const QStringView view : views)
        strings.append(view.toString());
    return strings;
}

} // namespace

class TestExtractionPieces : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void convertedLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty text has no lines") << QString() << QStringList();
        QTest::newRow("text without CR LF is one line") << "a" << QStringList{"a"};
        QTest::newRow("final CR LF gives a last empty line") << "a\r\nb\r\n" << QStringList{"a", "b", ""};
        QTest::newRow("blank line inside counts") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("lone CR or LF does not cut") << "a\rb\nc\r\nd" << QStringList{"a\rb\nc", "d"};
        QTest::newRow("only a line end") << "\r\n" << QStringList{"", ""};
        QTest::newRow("CR CR LF keeps the first CR") << "a\r\r\nb" << QStringList{"a\r", "b"};
    }

    void convertedLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(toStrings(ConvertedLines(text)), lines);
    }

    void lineFilter_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("contains");
        QTest::newRow("capital filter finds lower case") << "john@example.com"
                                                         << "JOHN" << true;
        QTest::newRow("lower filter finds capitals") << "JOHN DOE"
                                                     << "doe" << true;
        QTest::newRow("non-ASCII letters ignore case") << "Müller"
                                                       << "MÜLLER" << true;
        QTest::newRow("empty line never contains a text") << ""
                                                          << "a" << false;
        QTest::newRow("one blank finds a blank") << "John Doe"
                                                 << " " << true;
        QTest::newRow("one blank misses a line without") << "JohnDoe"
                                                         << " " << false;
        QTest::newRow("no wildcards") << "abc"
                                      << "a*c" << false;
        QTest::newRow("no trimming of the filter") << "abc"
                                                   << "abc " << false;
    }

    void lineFilter()
    {
        QFETCH(QString, line);
        QFETCH(QString, filter);
        QFETCH(bool, contains);
        QCOMPARE(LineFilterKeeps(LineFilterSense::Containing, line, filter), contains);
        QCOMPARE(LineFilterKeeps(LineFilterSense::NotContaining, line, filter), !contains);
    }

    void smallWholeNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("error");
        const int ok = int(NumberTextError::None);
        const int mismatch = int(NumberTextError::TypeMismatch);
        const int overflow = int(NumberTextError::Overflow);
        QTest::newRow("plain") << "3" << 3 << ok;
        QTest::newRow("blanks around") << "  12 " << 12 << ok;
        QTest::newRow("sign") << "-4" << -4 << ok;
        QTest::newRow("plus sign") << "+4" << 4 << ok;
        QTest::newRow("half rounds to even down") << "2.5" << 2 << ok;
        QTest::newRow("half rounds to even up") << "3.5" << 4 << ok;
        QTest::newRow("fraction rounds to nearest") << "2.6" << 3 << ok;
        QTest::newRow("leading point") << ".7" << 1 << ok;
        QTest::newRow("exponent") << "1e3" << 1000 << ok;
        QTest::newRow("largest") << "32767" << 32767 << ok;
        QTest::newRow("smallest") << "-32768" << -32768 << ok;
        QTest::newRow("half above the largest overflows") << "32767.5" << 0 << overflow;
        QTest::newRow("above the range") << "40000" << 0 << overflow;
        QTest::newRow("far above any double") << "1e999" << 0 << overflow;
        QTest::newRow("empty") << "" << 0 << mismatch;
        QTest::newRow("only blanks") << "   " << 0 << mismatch;
        QTest::newRow("range written with a dash") << "2-5" << 0 << mismatch;
        QTest::newRow("letters") << "abc" << 0 << mismatch;
        QTest::newRow("blank inside") << "1 2" << 0 << mismatch;
        QTest::newRow("lone point") << "." << 0 << mismatch;
    }

    void smallWholeNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(int, error);
        const SmallWholeNumber converted = toSmallWholeNumber(text);
        QCOMPARE(int(converted.error), error);
        if (error == int(NumberTextError::None))
            QCOMPARE(converted.value, value);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("range written with a dash") << "2-5" << 2.0;
        QTest::newRow("too large for the range") << "40000" << 40000.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("no leading digits") << "x5" << 0.0;
        QTest::newRow("blanks are skipped everywhere") << " 1 2x" << 12.0;
        QTest::newRow("fraction") << "1.5.3" << 1.5;
        QTest::newRow("negative") << "-3abc" << -3.0;
        QTest::newRow("exponent") << "2e2x" << 200.0;
        QTest::newRow("exponent letter without digits stops") << "7e" << 7.0;
        QTest::newRow("tiny underflows to zero") << "1e-999" << 0.0;
    }

    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(cardisto::leadingNumber(text), value);
    }

    void lineNumberSelection_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QList<int>>("selected"); // of lines 1..10
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("help example") << "1,3,4" << QList<int>{1, 3, 4} << QStringList();
        QTest::newRow("order of the list does not matter") << "4,1" << QList<int>{1, 4} << QStringList();
        QTest::newRow("a number listed twice") << "3,3" << QList<int>{3} << QStringList();
        QTest::newRow("blanks around numbers") << "1, 3" << QList<int>{1, 3} << QStringList();
        QTest::newRow("trailing comma reports the empty piece")
            << "1,2," << QList<int>{1, 2} << QStringList{"Type mismatch"};
        QTest::newRow("dash range selects its first number") << "2-5" << QList<int>{2} << QStringList{"Type mismatch"};
        QTest::newRow("overflow still selects its number") << "40000,1" << QList<int>{1} << QStringList{"Overflow"};
        QTest::newRow("zero and negatives select nothing") << "0,-1" << QList<int>() << QStringList();
        QTest::newRow("rounded fraction selects") << "2.5" << QList<int>{2} << QStringList();
        QTest::newRow("fraction of a bad piece selects nothing")
            << "1.5x" << QList<int>() << QStringList{"Type mismatch"};
        QTest::newRow("semicolons do not separate") << "1;2" << QList<int>{1} << QStringList{"Type mismatch"};
        QTest::newRow("each bad piece reported once")
            << ",," << QList<int>() << QStringList{"Type mismatch", "Type mismatch", "Type mismatch"};
    }

    void lineNumberSelection()
    {
        QFETCH(QString, list);
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, errors);
        const QList<LineNumberPiece> pieces = LineNumberPieces(list);
        QStringList reported;
        for (const LineNumberPiece& piece : pieces) {
            if (piece.error != NumberTextError::None)
                reported.append(numberTextErrorDescription(piece.error));
        }
        QCOMPARE(reported, errors);
        const LineNumberSelection selection(pieces);
        QList<int> actual;
        for (int line = 1; line <= 10; ++line) {
            if (selection.selects(line))
                actual.append(line);
        }
        QCOMPARE(actual, selected);
        QVERIFY(selection.selects(40000) == list.contains("40000"));
    }

    void extractBetween_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QStringList>("stretches");
        QTest::newRow("help example keeps the start marker") << "The rain in spain falls mainly on the plain."
                                                             << "p"
                                                             << "n" << QStringList{"pai", "plai"};
        QTest::newRow("start marker ignores case") << "The rain in spain"
                                                   << "P"
                                                   << "n" << QStringList{"pai"};
        QTest::newRow("end marker respects case") << "spain"
                                                  << "p"
                                                  << "N" << QStringList();
        QTest::newRow("repeated stretches, tail ignored") << "X1Y X2Y tail"
                                                          << "X"
                                                          << "Y" << QStringList{"X1", "X2"};
        QTest::newRow("no end marker gives nothing") << "aXb"
                                                     << "X"
                                                     << "Y" << QStringList();
        QTest::newRow("end marker without start before it") << "abYXcY"
                                                            << "X"
                                                            << "Y" << QStringList{"Xc"};
        QTest::newRow("first start marker of a piece") << "XaXbY"
                                                       << "X"
                                                       << "Y" << QStringList{"XaXb"};
        QTest::newRow("stretch spans lines") << "From\r\nX1\r\nY"
                                             << "x"
                                             << "Y" << QStringList{"X1\r\n"};
        QTest::newRow("found case kept") << "abcDEFghi"
                                         << "def"
                                         << "h" << QStringList{"DEFg"};
        QTest::newRow("multi-character end markers do not overlap") << "XaYYYb"
                                                                    << "X"
                                                                    << "YY" << QStringList{"Xa"};
        QTest::newRow("empty end marker gives nothing") << "XaY"
                                                        << "X"
                                                        << "" << QStringList();
        QTest::newRow("help example of the mailing")
            << QStringLiteral("<a href=\"https://news.example/unsub?remove=ann@mail.example\" target=\"_blank\">")
            << "remove="
            << " target" << QStringList{"remove=ann@mail.example\""};
    }

    void extractBetween()
    {
        QFETCH(QString, text);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QStringList, stretches);
        QCOMPARE(ExtractBetween(text, start, end), stretches);
    }

    // Which lines yield, and at which lines the clock is read, for the clock's answers in turn.
    void lineYieldPacing_data()
    {
        QTest::addColumn<QList<bool>>("clockSays");
        QTest::addColumn<QList<int>>("yieldingLines");
        QTest::addColumn<QList<int>>("clockReadAt");
        QTest::newRow("always due: every line yields") << QList<bool>(4, true) << QList<int>{0, 1, 2, 3}
                                                      << QList<int>{0, 1, 2, 3};
        QTest::newRow("not due: the next 15 lines do not look")
            << QList<bool>{false, false, true} << QList<int>{32} << QList<int>{0, 16, 32};
        QTest::newRow("after a yield the next line looks")
            << QList<bool>{false, true, false} << QList<int>{16} << QList<int>{0, 16, 17};
    }

    void lineYieldPacing()
    {
        QFETCH(QList<bool>, clockSays);
        QFETCH(QList<int>, yieldingLines);
        QFETCH(QList<int>, clockReadAt);
        LineYieldPacing pacing;
        QList<int> yielding;
        QList<int> reads;
        for (int line = 0; reads.size() < clockSays.size(); ++line) {
            const bool yields = pacing.yieldNow([&] {
                reads.append(line);
                return clockSays.at(reads.size() - 1);
            });
            if (yields)
                yielding.append(line);
        }
        QCOMPARE(yielding, yieldingLines);
        QCOMPARE(reads, clockReadAt);
    }

    void textSetMatching_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<qsizetype>("offers");
        QTest::newRow("one offer per matching item") << "abc" << QStringList{"ab", "bc"} << qsizetype(2);
        QTest::newRow("upper-case item finds lower-case text") << "misery" << QStringList{"MISERY"} << qsizetype(1);
        QTest::newRow("lower-case item finds upper-case text") << "WIDTH" << QStringList{"width"} << qsizetype(1);
        QTest::newRow("no item found") << "abc" << QStringList{"x", "y"} << qsizetype(0);
        QTest::newRow("same item twice offers twice") << "abc" << QStringList{"a", "a"} << qsizetype(2);
        QTest::newRow("items keep their blanks") << "a b" << QStringList{" b", "b "} << qsizetype(1);
    }

    void textSetMatching()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, items);
        QFETCH(qsizetype, offers);
        QCOMPARE(MatchingItemCount(line, items), offers);
    }
};

QTEST_GUILESS_MAIN(TestExtractionPieces)
#include "TestExtractionPieces.moc"
