// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextDecoding.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace cardisto {

namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned ones map to the C1 control of the same value,
// as Windows itself does.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool startsWith(QByteArrayView bytes, unsigned char first, unsigned char second)
{
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == first &&
           static_cast<unsigned char>(bytes[1]) == second;
}

QString decodeUtf16(QByteArrayView bytes, bool bigEndian)
{
    const qsizetype units = bytes.size() / 2; // an odd trailing byte has no partner and is dropped
    QString text(units, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < units; ++i) {
        const unsigned char low = bigEndian ? in[2 * i + 1] : in[2 * i];
        const unsigned char high = bigEndian ? in[2 * i] : in[2 * i + 1];
        out[i] = static_cast<char16_t>(low | (high << 8));
    }
    return text;
}

} // namespace

bool isValidUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        // Most vCard bytes are ASCII: test eight at a time.
        if (end - p >= 8) {
            quint64 block;
            std::memcpy(&block, p, 8);
            if ((block & 0x8080808080808080ULL) == 0) {
                p += 8;
                continue;
            }
        }
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int extra = 0;
        char32_t minimum = 0;
        char32_t code = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            minimum = 0x80;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            minimum = 0x800;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            minimum = 0x10000;
            code = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= extra)
            return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char next = p[k];
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += extra + 1;
    }
    return true;
}

namespace {

// The bytes of a character that begins with this byte: 1 for ASCII and for bytes that cannot
// begin one (the check then finds them wrong).
qsizetype utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

void Utf8Check::add(QByteArrayView bytes)
{
    if (!m_valid)
        return;
    if (!m_cut.isEmpty()) {
        const qsizetype missing = utf8SequenceLength(static_cast<unsigned char>(m_cut.front())) - m_cut.size();
        const qsizetype taken = std::min(missing, bytes.size());
        m_cut.append(bytes.first(taken));
        bytes = bytes.sliced(taken);
        if (taken < missing)
            return;
        m_valid = isValidUtf8(m_cut);
        m_cut.clear();
        if (!m_valid)
            return;
    }
    // A character the part ends in is kept to be checked with the next part's first bytes.
    qsizetype end = bytes.size();
    for (qsizetype back = 1; back <= std::min<qsizetype>(3, bytes.size()); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: the character began further back
        if (utf8SequenceLength(byte) > back)
            end = bytes.size() - back;
        break;
    }
    m_valid = isValidUtf8(bytes.first(end));
    m_cut = bytes.sliced(end).toByteArray();
}

TextEncoding detectTextEncoding(QByteArrayView bytes)
{
    if (startsWith(bytes, 0xFF, 0xFE))
        return TextEncoding::Utf16LE;
    if (startsWith(bytes, 0xFE, 0xFF))
        return TextEncoding::Utf16BE;
    return isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char c = in[i];
        out[i] = (c >= 0x80 && c <= 0x9F) ? kWindows1252High[c - 0x80] : char16_t(c);
    }
    return text;
}

QString decodeUtf8KeepingBom(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QString decodeText(QByteArrayView bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf16LE:
        return decodeUtf16(bytes, false);
    case TextEncoding::Utf16BE:
        return decodeUtf16(bytes, true);
    case TextEncoding::Utf8:
        return decodeUtf8KeepingBom(bytes);
    case TextEncoding::Windows1252:
        break;
    }
    return decodeWindows1252(bytes);
}

QString decodeTextFile(QByteArrayView bytes)
{
    QString text = decodeText(bytes, detectTextEncoding(bytes));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

bool looksLikeBinaryData(QByteArrayView bytes)
{
    constexpr qsizetype kInspectedBytes = 8192;
    const TextEncoding encoding = detectTextEncoding(bytes.first(std::min(bytes.size(), qsizetype(2))));
    if (encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE)
        return false;
    return bytes.first(std::min(bytes.size(), kInspectedBytes)).contains('\0');
}

} // namespace cardisto
