// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QStringView>
#include <array>
#include <unordered_map>
#include <vector>

namespace cardisto {

// MatchingItemCount for text sets of any length. A long set is indexed once: every item is filed
// under one piece of its text of up to four characters (letter case folded), chosen so that few
// items share a piece. A line then tests only the items whose piece occurs in it, each with the
// same search as MatchingItemCount, so the count is always the same; an item that occurs in the
// line always has its piece there. Items or lines with characters outside the Basic Multilingual
// Plane, and empty items, are simply tested one by one. The index is rebuilt whenever the items
// differ from those of the previous line.
class TextSetMatcher {
public:
    qsizetype matchingItemCount(QStringView line, const QStringList& items);

private:
    static constexpr qsizetype kLongestPiece = 4;
    // Below this many items a plain test of every item is as quick.
    static constexpr qsizetype kSmallestIndexedSet = 32;

    void buildIndex(const QStringList& items);
    // Tests item i once per line.
    void testItem(QStringView line, qsizetype i);

    QStringList m_items;
    bool m_indexed = false;
    // Items by piece, one map per piece length (index 1 to kLongestPiece).
    std::array<std::unordered_map<quint64, std::vector<qsizetype>>, kLongestPiece + 1> m_itemsByPiece;
    std::vector<qsizetype> m_testedAlways;
    std::vector<quint32> m_lastTestedOnLine; // per item, the line number of its last test
    quint32 m_lineNumber = 0;
    qsizetype m_count = 0;
    std::u16string m_foldedLine;
};

} // namespace cardisto
