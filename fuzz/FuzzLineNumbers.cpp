// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the comma list of line numbers typed by the user.
#include "FuzzSupport.h"
#include "extraction/LineNumberList.h"

using namespace cardisto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzz::textFrom(data, size);
    const QList<LineNumberPiece> pieces = LineNumberPieces(text);
    fuzz::require(pieces.size() == text.count(u',') + 1);
    const LineNumberSelection selection(pieces);
    for (const LineNumberPiece& piece : pieces) {
        const double number = piece.number;
        if (number >= 1 && number <= 1e6 && number == double(qsizetype(number)))
            fuzz::require(selection.selects(qsizetype(number)));
    }
    fuzz::require(!selection.selects(0) && !selection.selects(-1));
    return 0;
}
