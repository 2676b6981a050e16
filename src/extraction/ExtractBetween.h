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

// The same stretches one at a time, as views into the text, so that each can be used as it is
// found: a huge text is never searched or copied in one go. The text and markers must outlive it.
class BetweenStretches {
public:
    BetweenStretches(QStringView text, QStringView startMarker, QStringView endMarker)
        : m_text(text), m_startMarker(startMarker), m_endMarker(endMarker)
    {}
    // The next stretch; false when there is none.
    bool next(QStringView& stretch);

private:
    QStringView m_text;
    QStringView m_startMarker;
    QStringView m_endMarker;
    qsizetype m_pieceStart = 0;
};

} // namespace cardisto
