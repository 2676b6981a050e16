// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineFilter.h"

namespace cardisto {

bool LineContainsText(QStringView line, QStringView filterText)
{
    // Searching without case on the original text keeps the comparison independent of how lower
    // casing would change the length of a line.
    return line.contains(filterText, Qt::CaseInsensitive);
}

bool LineFilterKeeps(LineFilterSense sense, QStringView line, QStringView filterText)
{
    const bool found = LineContainsText(line, filterText);
    return sense == LineFilterSense::Containing ? found : !found;
}

} // namespace cardisto
