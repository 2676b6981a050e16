// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionChoice.h"
#include "shell/TextDecoding.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace cardisto {

// Turns the bytes of one vCard file into converted text: the kept values, one per line, joined by
// CR LF, in file order, with no labels. Works on bytes in memory; never fails.
QString convertVcfBytes(QByteArrayView fileBytes, const ConversionChoice& choice,
                        const AssemblyProgress& progress = {});

// One piece of a converted text (see convertVcfBytesInPieces).
struct ConvertedPiece {
    QString text;
    bool last = false;
    // Lines of the piece that the decoding of folded and encoded lines would read otherwise:
    // folded continuations, quoted-printable values and grouped names of the fields the conversion
    // takes. Counted by the literal reading only.
    qsizetype linesDecodingReadsOtherwise = 0;
};

// Hears one piece of a converted text; false ends the conversion.
using ConvertedPieceSink = std::function<bool(ConvertedPiece piece)>;

// The same in pieces, so that the lines of a large file can be used while the rest converts: the
// file is cut after about pieceBytes bytes, at the start of a line that starts a logical line of
// its own (a cut never falls inside a folded line or after a soft line break), and each piece
// converted on its own. takePiece hears each piece's converted text, the last one flagged; it may
// return false to end the conversion there. The pieces that are not empty, joined by CR LF, are
// exactly the text convertVcfBytes returns, so their lines are its lines. The assembly progress
// comes once, before the last piece, over the values of the whole file.
void convertVcfBytesInPieces(QByteArrayView fileBytes, const ConversionChoice& choice, qsizetype pieceBytes,
                             const ConvertedPieceSink& takePiece, const AssemblyProgress& progress = {});
// Hands the conversion the next bytes of a file read a part at a time: appends them to `to` and
// returns true, or returns false at the end of the file.
using MoreFileBytes = std::function<bool(QByteArray& to)>;

// The same for an 8-bit file read a part at a time, its encoding (UTF-8 or Windows-1252, not the
// latter with decoding) found beforehand: the pieces are exactly those convertVcfBytesInPieces
// makes of the whole file, and no more of the file is held than a piece and the read after it.
void convertVcfStreamInPieces(TextEncoding encoding, const MoreFileBytes& more, const ConversionChoice& choice,
                              qsizetype pieceBytes, const ConvertedPieceSink& takePiece,
                              const AssemblyProgress& progress = {});

// The same for bytes read for this conversion alone: a file converted as 16-bit text gives its bytes
// back once decoded, so that a large one is not held twice.
void convertVcfBytesInPieces(QByteArray&& fileBytes, const ConversionChoice& choice, qsizetype pieceBytes,
                             const ConvertedPieceSink& takePiece, const AssemblyProgress& progress = {});

} // namespace cardisto
