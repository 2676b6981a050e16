// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpreadsheetText.h"

#include <algorithm>

namespace cardisto {

namespace {

bool isDropped(char16_t c)
{
    return (c < 0x20 && c != u'\t' && c != u'\n') || c == 0xFFFE || c == 0xFFFF;
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// True when text at position starts "_xHHHH_", the form in which the file format escapes characters.
bool startsEscape(QStringView text, qsizetype position)
{
    if (position + 7 > text.size() || text[position] != u'_' || text[position + 1] != u'x' ||
        text[position + 6] != u'_')
        return false;
    for (qsizetype i = position + 2; i < position + 6; ++i) {
        if (!isHexDigit(text[i]))
            return false;
    }
    return true;
}

} // namespace

QString spreadsheetCellText(QStringView text, CellTextChanges* changes)
{
    // The dropped characters go first, so that a run like "_x\x01" + "0041_" is protected as well.
    // Past the limit only an escape that starts before it still matters.
    constexpr qsizetype kEnough = kSpreadsheetCellLimit + 7;
    QString kept;
    kept.reserve(std::min(text.size(), kEnough));
    bool cut = false;
    bool cleaned = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (kept.size() == kEnough) {
            cut = true;
            break;
        }
        if (!isDropped(c))
            kept.append(QChar(c));
        else if (c != u'\r' || i + 1 >= text.size() || text[i + 1] != u'\n')
            cleaned = true; // the CR of a CR LF only gives way to the cell's own line break
    }
    static const QString escapedUnderscore = QStringLiteral("_x005F_"); // read back as "_"
    QString cell;
    cell.reserve(std::min(kept.size(), kSpreadsheetCellLimit));
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const bool pair = kept[i].isHighSurrogate() && i + 1 < kept.size() && kept[i + 1].isLowSurrogate();
        const bool escape = startsEscape(kept, i);
        // Counted as stored, which is never less than what the spreadsheet shows.
        const qsizetype units = escape ? escapedUnderscore.size() : (pair ? 2 : 1);
        if (cell.size() + units > kSpreadsheetCellLimit) {
            cut = true;
            break;
        }
        if (escape)
            cell.append(escapedUnderscore);
        else
            cell.append(kept[i]);
        if (pair)
            cell.append(kept[++i]);
    }
    if (changes)
        *changes = {cut, cleaned};
    return cell;
}

bool isWideCharacter(char32_t c)
{
    // The wide and full-width ranges of Unicode's East Asian Width property, in their main blocks.
    struct Range {
        char32_t first;
        char32_t last;
    };
    static constexpr Range kWide[] = {
        {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},   {0x2E80, 0x303E},
        {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xA960, 0xA97F},
        {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},
        {0xFFE0, 0xFFE6},   {0x16FE0, 0x18CFF}, {0x1B000, 0x1B2FF}, {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF},
        {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
    };
    for (const Range& range : kWide) {
        if (c < range.first)
            return false;
        if (c <= range.last)
            return true;
    }
    return false;
}

qsizetype spreadsheetTextWidth(QStringView text)
{
    qsizetype widest = 0;
    for (const QStringView line : text.tokenize(u'\n')) {
        qsizetype width = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            char32_t c = line[i].unicode();
            if (line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) {
                c = QChar::surrogateToUcs4(line[i], line[i + 1]);
                ++i;
            }
            // Plain text is counted quickly; only the rest is looked up.
            width += c >= 0x1100 && isWideCharacter(c) ? 2 : 1;
        }
        widest = std::max(widest, width);
    }
    return widest;
}

} // namespace cardisto
