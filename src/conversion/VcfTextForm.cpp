// SPDX-License-Identifier: GPL-3.0-or-later
#include "VcfTextForm.h"

#include <algorithm>
#include <string_view>

namespace cardisto {

namespace {

QByteArrayView inspectedStart(QByteArrayView bytes)
{
    return bytes.first(std::min(bytes.size(), kVcfInspectedBytes));
}

bool hasByteOrderMark(QByteArrayView bytes)
{
    const TextEncoding encoding = detectTextEncoding(bytes.first(std::min(bytes.size(), qsizetype(2))));
    return encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE;
}

// Whether "BEGIN:VCARD" stands in the bytes read with the given step (1 for 8-bit text, 2 for
// UTF-16) and offset of the low byte, the high byte of each UTF-16 unit being NUL.
bool hasVcardStart(QByteArrayView bytes, qsizetype step, qsizetype lowOffset)
{
    static constexpr std::string_view kStart = "BEGIN:VCARD";
    const qsizetype needed = qsizetype(kStart.size()) * step;
    for (qsizetype at = 0; at + needed <= bytes.size(); at += step) {
        bool match = true;
        for (qsizetype k = 0; k < qsizetype(kStart.size()) && match; ++k) {
            const qsizetype unit = at + k * step;
            char c = bytes[unit + lowOffset];
            if (c >= 'a' && c <= 'z')
                c = char(c - 32);
            match = c == kStart[size_t(k)] && (step == 1 || bytes[unit + 1 - lowOffset] == '\0');
        }
        if (match)
            return true;
    }
    return false;
}

} // namespace

TextEncoding detectVcfEncoding(QByteArrayView bytes)
{
    if (hasByteOrderMark(bytes))
        return detectTextEncoding(bytes.first(2));
    const QByteArrayView start = inspectedStart(bytes);
    qsizetype evenNul = 0;
    qsizetype oddNul = 0;
    for (qsizetype i = 0; i < start.size(); ++i) {
        if (start[i] == '\0')
            ++((i & 1) ? oddNul : evenNul);
    }
    // Structure lines are ASCII, so a UTF-16 vCard has a NUL in most units of one parity and
    // hardly any in the other; a stray NUL or two in 8-bit text is far from that.
    const qsizetype units = start.size() / 2;
    constexpr qsizetype kFewest = 4;
    if (oddNul * 4 >= units && oddNul >= kFewest && evenNul * 8 <= oddNul)
        return TextEncoding::Utf16LE;
    if (evenNul * 4 >= units && evenNul >= kFewest && oddNul * 8 <= evenNul)
        return TextEncoding::Utf16BE;
    // Values in a script far from ASCII thin the pattern out; the vCard start still tells.
    if (oddNul + evenNul > 0 && !hasVcardStart(start, 1, 0)) {
        if (hasVcardStart(start, 2, 0))
            return TextEncoding::Utf16LE;
        if (hasVcardStart(start, 2, 1))
            return TextEncoding::Utf16BE;
    }
    return detectTextEncoding(bytes);
}

bool looksLikeBinaryVcfData(QByteArrayView bytes)
{
    if (hasByteOrderMark(bytes))
        return false;
    const QByteArrayView start = inspectedStart(bytes);
    if (!start.contains('\0'))
        return false;
    return !hasVcardStart(start, 1, 0) && !hasVcardStart(start, 2, 0) && !hasVcardStart(start, 2, 1);
}

} // namespace cardisto
