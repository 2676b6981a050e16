// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringDecoder>

#include <optional>
#include <string>

namespace cardisto {

// How bytes without a character set of their own are read.
enum class ByteReading {
    Utf8,        // UTF-8; where they are no UTF-8, Windows-1252
    Windows1252, // Windows-1252
};

// Reads the bytes of a vCard value by the CHARSET it names: any character set Qt's QStringDecoder
// knows, and on Windows any with a Windows code page. UTF-8, US-ASCII and the Latin-1 family are
// read by the program itself (Latin-1 and ASCII as Windows-1252, their superset, as browsers do).
// Bytes named UTF-8 keep every valid character and read each stray byte as Windows-1252. Bytes
// that name no character set, or one nobody knows, are read as `otherwise` says.
// Keeps the decoder of the last character set named, as exports name the same one on every line;
// one object per conversion, so conversions on different threads share nothing.
class CharsetDecoding {
public:
    // Appends the bytes to out as UTF-8 text.
    void appendUtf8(std::string_view bytes, std::string_view charset, ByteReading otherwise, std::string& out);

    // Whether the character set is one that appendUtf8 reads by its name.
    bool knows(std::string_view charset);

private:
    enum class Kind { None, Utf8, Windows1252, Decoder, WindowsCodePage };
    Kind kindOf(std::string_view charset);

    QByteArray m_charset;
    Kind m_kind = Kind::None;
    std::optional<QStringDecoder> m_decoder;
};

// Whether a CHARSET names UTF-8.
bool namesUtf8(std::string_view charset);

// Appends Windows-1252 bytes to out as UTF-8.
void appendWindows1252AsUtf8(std::string_view bytes, std::string& out);

} // namespace cardisto
