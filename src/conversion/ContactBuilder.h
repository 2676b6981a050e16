// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ContactRow.h"

#include <array>
#include <string>
#include <vector>

namespace cardisto {

// The texts of the contact being read, owned. Clearing keeps the room of every text, so that a
// file of many contacts is read without making texts anew for each.
class ContactBuilder {
public:
    void clear();

    std::string& field(ContactField field) { return m_fields[size_t(field)]; }
    int count(ContactGroup group) const { return m_groups[size_t(group)].count; }
    // A new entry of the group, every part empty; its index.
    int addEntry(ContactGroup group);
    std::string& part(ContactGroup group, int entry, int part)
    {
        return m_groups[size_t(group)].parts[size_t(entry * partCount(group) + part)];
    }

    // The row of the contact: views of the texts here, valid until the next change.
    void viewAs(ContactRow& row) const;

private:
    struct Group {
        std::vector<std::string> parts; // entries one after the other; the room of earlier contacts stays
        int count = 0;
    };
    std::array<std::string, kContactFieldCount> m_fields;
    std::array<Group, kContactGroupCount> m_groups;
};

} // namespace cardisto
