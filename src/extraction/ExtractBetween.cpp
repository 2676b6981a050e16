// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtractBetween.h"

namespace cardisto {

bool BetweenStretches::next(QStringView& stretch)
{
    if (m_endMarker.isEmpty())
        return false;
    for (;;) {
        const qsizetype end = m_text.indexOf(m_endMarker, m_pieceStart, Qt::CaseSensitive);
        if (end < 0)
            return false; // the piece after the last end marker never yields a stretch
        const QStringView piece = m_text.mid(m_pieceStart, end - m_pieceStart);
        m_pieceStart = end + m_endMarker.size();
        const qsizetype start = piece.indexOf(m_startMarker, 0, Qt::CaseInsensitive);
        if (start >= 0 && start < piece.size()) {
            stretch = piece.mid(start);
            return true;
        }
    }
}

QStringList ExtractBetween(QStringView text, QStringView startMarker, QStringView endMarker)
{
    QStringList stretches;
    BetweenStretches search(text, startMarker, endMarker);
    for (QStringView stretch; search.next(stretch);)
        stretches.append(stretch.toString());
    return stretches;
}

} // namespace cardisto
