// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

namespace cardisto {

// Whether the containing or the not-containing command keeps a line.
enum class LineFilterSense { Containing, NotContaining };

// True when the filter text occurs in the line as a plain substring, letter case ignored. No
// wildcards, no word boundaries, no trimming; an empty filter text occurs in every line.
bool LineContainsText(QStringView line, QStringView filterText);

bool LineFilterKeeps(LineFilterSense sense, QStringView line, QStringView filterText);

} // namespace cardisto
