// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineNumberList.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cardisto {

QList<LineNumberPiece> LineNumberPieces(const QString& listText)
{
    QList<LineNumberPiece> pieces;
    for (const QStringView text : QStringView(listText).split(u',')) {
        LineNumberPiece piece;
        piece.text = text.toString();
        const SmallWholeNumber converted = toSmallWholeNumber(text);
        piece.error = converted.error;
        piece.number = converted.error == NumberTextError::None ? converted.value : leadingNumber(text);
        pieces.append(piece);
    }
    return pieces;
}

LineNumberSelection::LineNumberSelection(const QList<LineNumberPiece>& pieces)
{
    constexpr double kLargestLine = double(std::numeric_limits<qsizetype>::max() / 2);
    for (const LineNumberPiece& piece : pieces) {
        // Lines are counted from 1; anything that is not a whole positive number matches no line.
        const double number = piece.number;
        if (number >= 1.0 && number <= kLargestLine && std::floor(number) == number)
            m_numbers.push_back(qsizetype(number));
    }
    std::sort(m_numbers.begin(), m_numbers.end());
    m_numbers.erase(std::unique(m_numbers.begin(), m_numbers.end()), m_numbers.end());
}

bool LineNumberSelection::selects(qsizetype lineNumber) const
{
    return std::binary_search(m_numbers.begin(), m_numbers.end(), lineNumber);
}

} // namespace cardisto
