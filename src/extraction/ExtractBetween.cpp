// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtractBetween.h"

namespace cardisto {

QStringList ExtractBetween(QStringView text, QStringView startMarker, QStringView endMarker)
{
    QStringList stretches;
    if (endMarker.isEmpty())
        return stretches;
    qsizetype pieceStart = 0;
    for (;;) {
        const qsizetype end = text.indexOf(endMarker, pieceStart, Qt::CaseSensitive);
        if (end < 0)
            return stretches; // the piece after the last end marker never yields a stretch
        const QStringView piece = text.mid(pieceStart, end - pieceStart);
        const qsizetype start = piece.indexOf(startMarker, 0, Qt::CaseInsensitive);
        if (start >= 0 && start < piece.size())
            stretches.append(piece.mid(start).toString());
        pieceStart = end + endMarker.size();
    }
}

} // namespace cardisto
