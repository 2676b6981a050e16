// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactRow.h"

#include <algorithm>

namespace cardisto {

void ContactRow::reset(const GroupCounts& counts)
{
    m_counts = counts;
    int cells = kContactFieldCount;
    for (const ContactGroup group : kContactGroups) {
        m_groupStarts[size_t(group)] = cells;
        cells += counts[size_t(group)] * partCount(group);
    }
    m_cells.assign(size_t(cells), std::string_view());
}

GroupCounts largerCounts(const GroupCounts& a, const GroupCounts& b)
{
    GroupCounts larger{};
    for (size_t i = 0; i < larger.size(); ++i)
        larger[i] = std::max(a[i], b[i]);
    return larger;
}

} // namespace cardisto
