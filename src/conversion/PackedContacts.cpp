// SPDX-License-Identifier: GPL-3.0-or-later
#include "PackedContacts.h"

namespace cardisto {

namespace {

void appendNumber(std::string& bytes, size_t number)
{
    while (number >= 0x80) {
        bytes.push_back(char(0x80 | (number & 0x7F)));
        number >>= 7;
    }
    bytes.push_back(char(number));
}

size_t readNumber(const char*& at)
{
    size_t number = 0;
    int shift = 0;
    for (;;) {
        const auto byte = static_cast<unsigned char>(*at++);
        number |= size_t(byte & 0x7F) << shift;
        if (byte < 0x80)
            return number;
        shift += 7;
    }
}

} // namespace

void PackedContacts::append(const ContactRow& row)
{
    m_starts.push_back(std::uint32_t(m_bytes.size()));
    for (const ContactGroup group : kContactGroups)
        appendNumber(m_bytes, size_t(row.count(group)));
    for (int cell = 0; cell < row.cellCount(); ++cell) {
        const std::string_view text = row.cell(cell);
        appendNumber(m_bytes, text.size());
        m_bytes.append(text);
    }
    m_largest = largerCounts(m_largest, row.counts());
}

void PackedContacts::rowAt(qsizetype index, ContactRow& row) const
{
    const char* at = m_bytes.data() + m_starts[size_t(index)];
    GroupCounts counts{};
    for (int& count : counts)
        count = int(readNumber(at));
    row.reset(counts);
    for (int cell = 0; cell < row.cellCount(); ++cell) {
        const size_t length = readNumber(at);
        row.cell(cell) = std::string_view(at, length);
        at += length;
    }
}

} // namespace cardisto
