// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ContactRow.h"

#include <QtGlobal>
#include <cstdint>
#include <string>
#include <vector>

namespace cardisto {

// Contacts kept compactly, one after the other in one block of bytes: each as its counts, then
// every cell as its length (a byte for most) and its text. A table of a million contacts then
// takes little more room than their texts.
class PackedContacts {
public:
    void append(const ContactRow& row);

    qsizetype size() const { return qsizetype(m_starts.size()); }
    bool isEmpty() const { return m_starts.empty(); }
    size_t byteSize() const { return m_bytes.size(); }
    // Each group's largest count over the contacts here.
    const GroupCounts& largestCounts() const { return m_largest; }

    // Contact `index` as views of this store, valid until it changes.
    void rowAt(qsizetype index, ContactRow& row) const;

private:
    std::string m_bytes;
    std::vector<std::uint32_t> m_starts;
    GroupCounts m_largest{};
};

} // namespace cardisto
