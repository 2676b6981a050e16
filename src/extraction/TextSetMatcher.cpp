// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextSetMatcher.h"

#include "LineFilter.h"
#include "TextSetMatching.h"

#include <QChar>
#include <algorithm>
#include <cstdint>

namespace cardisto {

namespace {

// The letter-case folding that the case-insensitive search compares with, one UTF-16 unit at a time.
// False for a unit that is no character of its own (a surrogate) or that folds outside the plane;
// such texts are not indexed.
bool foldUnit(char16_t unit, char16_t& folded)
{
    if (QChar::isSurrogate(unit))
        return false;
    const char32_t result = QChar::toCaseFolded(char32_t(unit));
    if (result > 0xFFFF)
        return false;
    folded = char16_t(result);
    return true;
}

bool foldText(QStringView text, std::u16string& folded)
{
    folded.resize(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!foldUnit(text[i].unicode(), folded[size_t(i)]))
            return false;
    }
    return true;
}

quint64 pieceKey(const char16_t* units, qsizetype length)
{
    quint64 key = 0;
    for (qsizetype i = 0; i < length; ++i)
        key = (key << 16) | units[i];
    return key;
}

} // namespace

void TextSetMatcher::buildIndex(const QStringList& items)
{
    m_items = items;
    m_indexed = true;
    for (auto& pieces : m_itemsByPiece)
        pieces.clear();
    m_testedAlways.clear();
    m_lastTestedOnLine.assign(size_t(items.size()), 0);
    m_lineNumber = 0;
    std::u16string folded;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i].isEmpty() || !foldText(items[i], folded)) {
            m_testedAlways.push_back(i);
            continue;
        }
        // The window of the item whose piece the fewest items share so far.
        const qsizetype length = std::min(qsizetype(folded.size()), kLongestPiece);
        auto& pieces = m_itemsByPiece[size_t(length)];
        quint64 best = pieceKey(folded.data(), length);
        size_t bestShare = SIZE_MAX;
        for (qsizetype start = 0; start + length <= qsizetype(folded.size()); ++start) {
            const quint64 key = pieceKey(folded.data() + start, length);
            const auto found = pieces.find(key);
            const size_t share = found == pieces.end() ? 0 : found->second.size();
            if (share < bestShare) {
                best = key;
                bestShare = share;
                if (share == 0)
                    break;
            }
        }
        pieces[best].push_back(i);
    }
}

void TextSetMatcher::testItem(QStringView line, qsizetype i)
{
    if (m_lastTestedOnLine[size_t(i)] == m_lineNumber)
        return;
    m_lastTestedOnLine[size_t(i)] = m_lineNumber;
    if (LineContainsText(line, m_items[i]))
        ++m_count;
}

qsizetype TextSetMatcher::matchingItemCount(QStringView line, const QStringList& items)
{
    if (items.size() < kSmallestIndexedSet)
        return MatchingItemCount(line, items);
    if (!m_indexed || items != m_items)
        buildIndex(items);
    if (!foldText(line, m_foldedLine))
        return MatchingItemCount(line, m_items);
    if (++m_lineNumber == 0) { // the stamps wrapped: start them afresh
        std::fill(m_lastTestedOnLine.begin(), m_lastTestedOnLine.end(), 0);
        m_lineNumber = 1;
    }
    m_count = 0;
    for (const qsizetype i : m_testedAlways)
        testItem(line, i);
    const qsizetype size = qsizetype(m_foldedLine.size());
    for (qsizetype length = 1; length <= kLongestPiece; ++length) {
        const auto& pieces = m_itemsByPiece[size_t(length)];
        if (pieces.empty())
            continue;
        for (qsizetype start = 0; start + length <= size; ++start) {
            const auto found = pieces.find(pieceKey(m_foldedLine.data() + start, length));
            if (found == pieces.end())
                continue;
            for (const qsizetype i : found->second)
                testItem(line, i);
        }
    }
    return m_count;
}

} // namespace cardisto
