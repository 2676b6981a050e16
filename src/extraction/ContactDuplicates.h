// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversion/ContactRow.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cardisto {

// The contacts a table has written so far, to leave out one whose every cell equals an earlier
// one's: its source (when the table shows it), every field and every part of every entry.
// Remembers each contact once, compactly, one after the other.
class ContactDuplicates {
public:
    // True when an equal contact came before; otherwise remembers this one and returns false.
    bool seenBefore(const ContactRow& row, std::string_view source);

private:
    std::string_view keyAt(size_t index) const;

    std::string m_keys;         // every key written so far, one after the other
    std::vector<size_t> m_ends; // where each key ends in m_keys
    std::unordered_multimap<size_t, size_t> m_byHash;
    std::string m_key;
};

} // namespace cardisto
