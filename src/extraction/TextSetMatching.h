// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QStringView>

namespace cardisto {

// How many items of a text set occur in a line (plain substring, letter case ignored). The run
// offers the line once per matching item, in item order, so a line holding three items is offered
// three times.
qsizetype MatchingItemCount(QStringView line, const QStringList& items);

} // namespace cardisto
