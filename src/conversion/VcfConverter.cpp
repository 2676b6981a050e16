// SPDX-License-Identifier: GPL-3.0-or-later
#include "VcfConverter.h"

#include "LiteralConversion.h"
#include "StandardConversion.h"
#include "StandardText.h"
#include "VcfTextForm.h"
#include "shell/TextDecoding.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

namespace cardisto {

namespace {

void reportAssembly(qsizetype valueCount, const AssemblyProgress& progress)
{
    if (!progress)
        return;
    for (qsizetype position = 0; position < valueCount; ++position)
        progress(position, valueCount - 1);
}

// Whether a piece may end with the line that ends at the line feed `newline`: the next line
// starts a logical line of its own however the lines are read. It is not a folded continuation
// (blank or tab first), and the line before it (without its CRs) is one line, not ended early by a
// CR alone, that cannot end a joined line in a quoted-printable soft break: it is not empty, not
// a lone blank or tab (a continuation that adds nothing), and does not end in "=".
bool piecesMayMeetAfter(std::string_view text, size_t lineStart, size_t newline)
{
    const char next = text[newline + 1];
    if (next == ' ' || next == '\t')
        return false;
    size_t end = newline;
    while (end > lineStart && text[end - 1] == '\r')
        --end;
    if (end == lineStart || text[end - 1] == '=')
        return false;
    if (std::memchr(text.data() + lineStart, '\r', end - lineStart) != nullptr)
        return false;
    return !(end - lineStart == 1 && (text[lineStart] == ' ' || text[lineStart] == '\t'));
}

// Where the piece that begins at `from` ends: just after the first line feed at least `units`
// bytes on where the next piece may begin (see piecesMayMeetAfter), or at the end of the text.
size_t pieceEnd(std::string_view text, size_t from, size_t units)
{
    if (units >= text.size() - from)
        return text.size();
    size_t lineStart = from;
    size_t newline = text.find('\n', from);
    while (newline != std::string_view::npos && newline + 1 < text.size()) {
        if (newline + 1 - from >= units && piecesMayMeetAfter(text, lineStart, newline))
            return newline + 1;
        lineStart = newline + 1;
        newline = text.find('\n', lineStart);
    }
    return text.size();
}

// Turns the converted bytes of a piece into text. Decoded values are UTF-8; a U+FEFF that begins
// a piece is a value's character like any other (QString::fromUtf8 would drop it).
using PieceDecode = QString (*)(QByteArrayView);

// One converted piece: the last loses the final CR LF before decoding, the others after, as the
// whole text loses only its last.
template <typename Conversion>
ConvertedPiece takePiece(Conversion& conversion, bool last, const AssemblyProgress& progress, PieceDecode decode)
{
    ConvertedValues& values = conversion.values();
    const std::string output = values.take();
    ConvertedPiece piece{QString(), last, conversion.takeLinesDecodingReadsOtherwise()};
    if (last) {
        const size_t kept = output.empty() ? 0 : output.size() - 2;
        piece.text = decode(QByteArrayView(output.data(), qsizetype(kept)));
        reportAssembly(values.count(), progress);
        return piece;
    }
    piece.text = decode(QByteArrayView(output.data(), qsizetype(output.size())));
    piece.text.chop(piece.text.isEmpty() ? 0 : 2);
    return piece;
}

// Converts a text piece by piece.
template <typename Conversion>
void convertPieces(std::string_view text, Conversion& conversion, qsizetype pieceBytes,
                   const ConvertedPieceSink& sink, const AssemblyProgress& progress, PieceDecode decode)
{
    const size_t units = size_t(std::max<qsizetype>(pieceBytes, 1));
    conversion.values().reserve(std::min(units, text.size()) / 4);
    size_t from = 0;
    for (;;) {
        const size_t end = pieceEnd(text, from, units);
        conversion.convertLines(text.substr(from, end - from));
        const bool last = end == text.size();
        if (!sink(takePiece(conversion, last, progress, decode)) || last)
            return;
        from = end;
    }
}

FileBytes valueBytesOf(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? FileBytes::Utf8 : FileBytes::Windows1252;
}

// owned: the bytes behind fileBytes when nothing else needs them, emptied once read as UTF-8.
void convertBytesInPieces(QByteArrayView fileBytes, QByteArray* owned, const ConversionChoice& choice,
                          qsizetype pieceBytes, const ConvertedPieceSink& sink, const AssemblyProgress& progress)
{
    if (choice.decodeLines) {
        const StandardText standard = standardTextOf(fileBytes, owned);
        StandardConversion conversion(choice, standard.values);
        convertPieces(standard.text(), conversion, pieceBytes, sink, progress, decodeUtf8KeepingBom);
        return;
    }
    const EightBitText eightBit = eightBitTextOf(fileBytes, owned);
    LiteralConversion conversion(choice);
    convertPieces(eightBit.text, conversion, pieceBytes, sink, progress,
                  eightBit.encoding == TextEncoding::Utf8 ? decodeUtf8KeepingBom : decodeWindows1252);
}

// The stream's conversion in the reading the choice asks for.
template <typename Run>
void withConversion(TextEncoding encoding, const ConversionChoice& choice, Run&& run)
{
    if (choice.decodeLines) {
        StandardConversion conversion(choice, valueBytesOf(encoding));
        run(conversion, decodeUtf8KeepingBom);
    } else {
        LiteralConversion conversion(choice);
        run(conversion, encoding == TextEncoding::Utf8 ? decodeUtf8KeepingBom : decodeWindows1252);
    }
}

} // namespace

void convertVcfStreamInPieces(TextEncoding encoding, const MoreFileBytes& more, const ConversionChoice& choice,
                              qsizetype pieceBytes, const ConvertedPieceSink& sink,
                              const AssemblyProgress& progress)
{
    withConversion(encoding, choice, [&](auto& conversion, PieceDecode decode) {
        const size_t units = size_t(std::max<qsizetype>(pieceBytes, 1));
        conversion.values().reserve(units / 4);
        QByteArray buffer;
        size_t from = 0; // where the next piece begins in buffer
        bool atEnd = false;
        for (;;) {
            size_t end = 0;
            for (;;) {
                end = pieceEnd(std::string_view(buffer.constData(), size_t(buffer.size())), from, units);
                // Short of the end of what has been read, the cut is the one the whole file would
                // give; at it, more of the file may hold an earlier one.
                if (end < size_t(buffer.size()) || atEnd)
                    break;
                buffer.remove(0, qsizetype(from));
                end -= from;
                from = 0;
                atEnd = !more(buffer);
            }
            conversion.convertLines(std::string_view(buffer.constData() + from, end - from));
            const bool last = end == size_t(buffer.size());
            if (!sink(takePiece(conversion, last, progress, decode)) || last)
                return;
            from = end;
        }
    });
}

void convertVcfBytesInPieces(QByteArrayView fileBytes, const ConversionChoice& choice, qsizetype pieceBytes,
                             const ConvertedPieceSink& takePiece, const AssemblyProgress& progress)
{
    convertBytesInPieces(fileBytes, nullptr, choice, pieceBytes, takePiece, progress);
}

void convertVcfBytesInPieces(QByteArray&& fileBytes, const ConversionChoice& choice, qsizetype pieceBytes,
                             const ConvertedPieceSink& takePiece, const AssemblyProgress& progress)
{
    QByteArray owned = std::move(fileBytes);
    convertBytesInPieces(owned, &owned, choice, pieceBytes, takePiece, progress);
}

QString convertVcfBytes(QByteArrayView fileBytes, const ConversionChoice& choice, const AssemblyProgress& progress)
{
    QString converted;
    convertVcfBytesInPieces(
        fileBytes, choice, std::numeric_limits<qsizetype>::max(),
        [&converted](ConvertedPiece piece) {
            converted = std::move(piece.text);
            return true;
        },
        progress);
    return converted;
}

} // namespace cardisto
