// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextIndex.h"

namespace cardisto {

void TextIndex::remove(const QString& text)
{
    const auto found = m_counts.find(text);
    if (found == m_counts.end())
        return;
    if (--found.value() == 0)
        m_counts.erase(found);
}

} // namespace cardisto
