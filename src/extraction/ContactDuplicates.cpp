// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactDuplicates.h"

#include <functional>

namespace cardisto {

namespace {

// Each text with its length in front, so that no two different rows give one key.
void appendText(std::string& key, std::string_view text)
{
    const auto length = static_cast<std::uint32_t>(text.size());
    key.append(reinterpret_cast<const char*>(&length), sizeof length);
    key.append(text);
}

} // namespace

std::string_view ContactDuplicates::keyAt(size_t index) const
{
    const size_t start = index == 0 ? 0 : m_ends[index - 1];
    return std::string_view(m_keys).substr(start, m_ends[index] - start);
}

bool ContactDuplicates::seenBefore(const ContactRow& row, std::string_view source)
{
    m_key.clear();
    appendText(m_key, source);
    for (const ContactGroup group : kContactGroups) {
        const auto count = static_cast<std::uint32_t>(row.count(group));
        m_key.append(reinterpret_cast<const char*>(&count), sizeof count);
    }
    for (int cell = 0; cell < row.cellCount(); ++cell)
        appendText(m_key, row.cell(cell));
    const size_t hash = std::hash<std::string_view>()(m_key);
    const auto [first, last] = m_byHash.equal_range(hash);
    for (auto it = first; it != last; ++it) {
        if (keyAt(it->second) == m_key)
            return true;
    }
    m_keys.append(m_key);
    m_ends.push_back(m_keys.size());
    m_byHash.emplace(hash, m_ends.size() - 1);
    return false;
}

} // namespace cardisto
