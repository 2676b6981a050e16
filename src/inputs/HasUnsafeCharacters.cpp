// SPDX-License-Identifier: GPL-3.0-or-later
#include "HasUnsafeCharacters.h"

#include "shell/TextDecoding.h"

#include <QHash>

namespace cardisto {

namespace {

// Characters of the bytes 0x80..0x9F, found by decoding those bytes, with their codes.
const QHash<char16_t, int>& highControlRange()
{
    static const QHash<char16_t, int> codes = [] {
        QByteArray bytes;
        for (int code = 0x80; code <= 0x9F; ++code)
            bytes.append(char(code));
        const QString characters = decodeWindows1252(bytes);
        QHash<char16_t, int> table;
        for (qsizetype i = 0; i < characters.size(); ++i)
            table.insert(characters[i].unicode(), int(0x80 + i));
        return table;
    }();
    return codes;
}

constexpr int kQuestionMark = 63;

} // namespace

int windows1252Code(QChar c)
{
    const char16_t unit = c.unicode();
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    return highControlRange().value(unit, kQuestionMark);
}

NameCodePage systemNameCodePage()
{
#ifdef Q_OS_WIN
    return NameCodePage::Windows1252;
#else
    return NameCodePage::Unicode;
#endif
}

bool HasUnsafeCharacters(QStringView name, NameCodePage codePage)
{
    for (const QChar c : name) {
        // Surrogates (characters beyond the first plane) are above every refused code.
        const int code = codePage == NameCodePage::Windows1252 ? windows1252Code(c) : int(c.unicode());
        if (code < 32 || code == kQuestionMark || (code >= 127 && code <= 159))
            return true;
    }
    return false;
}

} // namespace cardisto
