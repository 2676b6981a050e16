// SPDX-License-Identifier: GPL-3.0-or-later
// "Extract Lines Containing These Text Sets" with a long text set: the indexed matching against the
// plain test of every item on every line, over the same lines, with the match counts compared.
//
//   TextSetBench [ITEMS [LINES]]      (defaults: 10000 items, 10000 lines)
//
// Items are e-mail-like words of 6 to 14 letters; lines are e-mail addresses, one in ten holding an item.

#include "BenchSupport.h"
#include "extraction/TextSetMatcher.h"
#include "extraction/TextSetMatching.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QStringList>
#include <cstdio>

using namespace cardisto;
using namespace cardisto::bench;

namespace {

QString randomWord(QRandomGenerator& random, int shortest, int longest)
{
    QString word;
    const int length = random.bounded(shortest, longest + 1);
    for (int i = 0; i < length; ++i)
        word += QChar(u'a' + random.bounded(26));
    return word;
}

template <typename Count> double timeLines(const QStringList& lines, qsizetype& matches, Count&& count)
{
    const double start = cpuSeconds();
    matches = 0;
    for (const QString& line : lines)
        matches += count(line);
    return cpuSeconds() - start;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int itemCount = arguments.size() > 1 ? arguments.at(1).toInt() : 10'000;
    const int lineCount = arguments.size() > 2 ? arguments.at(2).toInt() : 10'000;

    QRandomGenerator random(42);
    QStringList items;
    for (int i = 0; i < itemCount; ++i)
        items.append(randomWord(random, 6, 14));
    QStringList lines;
    for (int i = 0; i < lineCount; ++i) {
        QString user = randomWord(random, 5, 12);
        if (i % 10 == 0)
            user += items.at(random.bounded(itemCount)).toUpper();
        lines.append(user + u'@' + randomWord(random, 4, 8) + QStringLiteral(".example"));
    }

    qsizetype plainMatches = 0;
    qsizetype indexedMatches = 0;
    const double plain =
        timeLines(lines, plainMatches, [&](const QString& line) { return MatchingItemCount(line, items); });
    TextSetMatcher matcher;
    const double indexed =
        timeLines(lines, indexedMatches, [&](const QString& line) { return matcher.matchingItemCount(line, items); });

    std::printf("%d items, %d lines, %lld matches (indexed: %lld)\n", itemCount, lineCount, qint64(plainMatches),
                qint64(indexedMatches));
    std::printf("plain test of every item: %8.1f us per line\n", plain * 1e6 / lineCount);
    std::printf("indexed (index included): %8.1f us per line\n", indexed * 1e6 / lineCount);
    return plainMatches == indexedMatches ? 0 : 1;
}
