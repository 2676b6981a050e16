// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversion/PackedContacts.h"

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace cardisto {

// The rows of a contacts table in the order their files were read: the pieces of contacts as the
// reading handed them over, each with the file it came from. Nothing is copied row by row.
class ContactTableStore {
public:
    void append(PackedContacts piece, const QString& source);
    void clear();

    qsizetype size() const { return m_rows; }
    const GroupCounts& largestCounts() const { return m_largest; }

    // Row `index` as views of the store, valid until it changes.
    void rowAt(qsizetype index, ContactRow& row) const;
    // The path of the row's file as listed, and the same in UTF-8.
    const QString& sourceOf(qsizetype index) const;
    std::string_view sourceBytesOf(qsizetype index) const;

private:
    struct Piece {
        PackedContacts contacts;
        qsizetype firstRow;
        size_t source;
    };
    const Piece& pieceOf(qsizetype row) const;

    std::vector<Piece> m_pieces;
    std::vector<QString> m_sources;
    std::vector<std::string> m_sourceBytes;
    qsizetype m_rows = 0;
    GroupCounts m_largest{};
};

} // namespace cardisto
