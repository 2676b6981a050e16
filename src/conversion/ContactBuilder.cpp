// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactBuilder.h"

namespace cardisto {

void ContactBuilder::clear()
{
    for (std::string& text : m_fields)
        text.clear();
    for (Group& group : m_groups)
        group.count = 0;
}

int ContactBuilder::addEntry(ContactGroup group)
{
    Group& g = m_groups[size_t(group)];
    const size_t parts = size_t(partCount(group));
    const size_t first = size_t(g.count) * parts;
    if (g.parts.size() < first + parts)
        g.parts.resize(first + parts);
    for (size_t i = first; i < first + parts; ++i)
        g.parts[i].clear();
    return g.count++;
}

void ContactBuilder::viewAs(ContactRow& row) const
{
    row.reset({m_groups[0].count, m_groups[1].count, m_groups[2].count, m_groups[3].count});
    for (int field = 0; field < kContactFieldCount; ++field)
        row.cell(field) = m_fields[size_t(field)];
    for (const ContactGroup group : kContactGroups) {
        const Group& g = m_groups[size_t(group)];
        const int parts = partCount(group);
        for (int entry = 0; entry < g.count; ++entry) {
            for (int part = 0; part < parts; ++part)
                row.cell(int(row.cellIndex(group, entry, part))) = g.parts[size_t(entry * parts + part)];
        }
    }
}

} // namespace cardisto
