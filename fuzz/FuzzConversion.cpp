// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the first byte chooses All Fields or Some Fields, the field groups and the
// size of pieces (the top two bits); the rest is the content of one vCard file, converted as read
// literally and with "Read vCards as the standard defines them".
//
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCARDISTO_FUZZ=ON -DCARDISTO_GUI=OFF
//   cmake --build build-fuzz --target FuzzConversion
//   build-fuzz/bin/FuzzConversion -max_total_time=600 fuzz-corpus/conversion ../shared/corpus/vcards/*/

#include "conversion/VcfConverter.h"
#include "conversion/VcfTextForm.h"

#include <QStringList>
#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace cardisto;

namespace {

// Converted text never holds a CR or LF outside the CR LF between lines when decoded: a line break
// inside a value becomes a blank, or a line of its own in a note.
bool onlyCrLfBreaks(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
            return false;
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            return false;
    }
    return true;
}

void convert(QByteArrayView file, const ConversionChoice& choice, qsizetype pieceBytes)
{
    qsizetype calls = 0;
    const QString text = convertVcfBytes(file, choice, [&calls](qsizetype position, qsizetype last) {
        if (position > last || position != calls)
            __builtin_trap();
        ++calls;
    });
    if (choice.decodeLines && !onlyCrLfBreaks(text))
        __builtin_trap();
    // An 8-bit file read five bytes at a time and converted in pieces gives the same text.
    const TextEncoding encoding = detectVcfEncoding(file);
    const bool streamable =
        encoding == TextEncoding::Utf8 || (encoding == TextEncoding::Windows1252 && !choice.decodeLines);
    if (!streamable)
        return;
    QStringList pieces;
    qsizetype read = 0;
    const auto more = [&](QByteArray& to) {
        const QByteArrayView part = file.sliced(read, std::min<qsizetype>(5, file.size() - read));
        to.append(part);
        read += part.size();
        return !part.isEmpty();
    };
    convertVcfStreamInPieces(encoding, more, choice, pieceBytes, [&pieces](ConvertedPiece piece) {
        if (!piece.text.isEmpty())
            pieces.append(piece.text);
        return true;
    });
    if (pieces.join(QStringLiteral("\r\n")) != text)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t selector = data[0];
    ConversionChoice choice = ConversionChoice::allFields();
    if (selector & 1) {
        choice = ConversionChoice::someFields(
            {bool(selector & 2), bool(selector & 4), bool(selector & 8), bool(selector & 16)});
    }
    const QByteArrayView file(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const qsizetype pieceBytes = qsizetype(1) << (selector >> 6) * 4;
    convert(file, choice, pieceBytes);
    choice.decodeLines = true;
    convert(file, choice, pieceBytes);
    return 0;
}
