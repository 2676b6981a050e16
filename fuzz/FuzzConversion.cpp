// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the first byte chooses All Fields or Some Fields, the field groups and the
// decoding of folded and encoded lines (bit 32) and the size of pieces (the top two bits); the
// rest is the content of one vCard file.
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
    choice.decodeLines = (selector & 32) != 0;
    const QByteArrayView file(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    qsizetype calls = 0;
    const QString text = convertVcfBytes(file,
                                         choice, [&calls](qsizetype position, qsizetype last) {
                                             if (position > last || position != calls)
                                                 __builtin_trap();
                                             ++calls;
                                         });
    // Converted text never ends in a lone line break it did not get from a note.
    if (text.size() > qsizetype(size) * 2 + 2)
        __builtin_trap();
    // Without blanks, tabs, "=", "." and ";" there is nothing to unfold, decode or drop: the
    // decoding gives the plain result.
    if (choice.decodeLines && !file.contains(' ') && !file.contains('\t') && !file.contains('=') &&
        !file.contains('.') && !file.contains(';')) {
        ConversionChoice plain = choice;
        plain.decodeLines = false;
        if (convertVcfBytes(file, plain) != text)
            __builtin_trap();
    }
    // An 8-bit file read five bytes at a time and converted in pieces (the top bits of the
    // selector choose their size) gives the same text.
    const TextEncoding encoding = detectVcfEncoding(file);
    if (encoding == TextEncoding::Utf8 || (encoding == TextEncoding::Windows1252 && !choice.decodeLines)) {
        QStringList pieces;
        qsizetype read = 0;
        const auto more = [&](QByteArray& to) {
            const QByteArrayView part = file.sliced(read, std::min<qsizetype>(5, file.size() - read));
            to.append(part);
            read += part.size();
            return !part.isEmpty();
        };
        convertVcfStreamInPieces(encoding, more, choice, qsizetype(1) << (selector >> 6) * 4,
                                 [&pieces](QString piece, bool) {
                                     if (!piece.isEmpty())
                                         pieces.append(piece);
                                     return true;
                                 });
        if (pieces.join(QStringLiteral("\r\n")) != text)
            __builtin_trap();
    }
    return 0;
}
