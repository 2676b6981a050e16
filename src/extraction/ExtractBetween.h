// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace cardisto {

// The stretches of a text that start with the start marker and run up to the next end marker.
// The text is cut at every occurrence of the end marker (exact letter case, left to right, not
// overlapping); in every piece but the last, the first occurrence of the start marker (letter
// case ignored) begins a stretch that runs to the end of the piece. Stretches keep the start
// marker as found in the text, never include the end marker, and may span lines. An empty end
// marker gives no stretches.
QStringList ExtractBetween(QStringView text, QStringView startMarker, QStringView endMarker);

} // namespace cardisto
