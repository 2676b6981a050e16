// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactTableStore.h"

#include <algorithm>

namespace cardisto {

void ContactTableStore::append(PackedContacts piece, const QString& source)
{
    if (piece.isEmpty())
        return;
    // The pieces of one file share its path.
    if (m_sources.empty() || m_sources.back() != source) {
        m_sources.push_back(source);
        m_sourceBytes.push_back(source.toStdString());
    }
    m_largest = largerCounts(m_largest, piece.largestCounts());
    const qsizetype rows = piece.size();
    m_pieces.push_back({std::move(piece), m_rows, m_sources.size() - 1});
    m_rows += rows;
}

void ContactTableStore::clear()
{
    m_pieces.clear();
    m_sources.clear();
    m_sourceBytes.clear();
    m_rows = 0;
    m_largest = {};
}

const ContactTableStore::Piece& ContactTableStore::pieceOf(qsizetype row) const
{
    const auto after = std::upper_bound(m_pieces.begin(), m_pieces.end(), row,
                                        [](qsizetype r, const Piece& piece) { return r < piece.firstRow; });
    return *(after - 1);
}

void ContactTableStore::rowAt(qsizetype index, ContactRow& row) const
{
    const Piece& piece = pieceOf(index);
    piece.contacts.rowAt(index - piece.firstRow, row);
}

const QString& ContactTableStore::sourceOf(qsizetype index) const
{
    return m_sources[pieceOf(index).source];
}

std::string_view ContactTableStore::sourceBytesOf(qsizetype index) const
{
    return m_sourceBytes[pieceOf(index).source];
}

} // namespace cardisto
