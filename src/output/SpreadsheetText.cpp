#include "SpreadsheetText.h"

#include "ListColumns.h"

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

QString spreadsheetCellText(QStringView text)
{
    // The dropped characters go first, so that a run like "_x\x01" + "0041_" is protected as well.
    // Past the limit only an escape that starts before it still matters.
    constexpr qsizetype kEnough = kSpreadsheetCellLimit + 7;
    QString kept;
    kept.reserve(std::min(text.size(), kEnough));
    for (const QChar c : text) {
        if (kept.size() == kEnough)
            break;
        if (!isDropped(c.unicode()))
            kept.append(c);
    }
    static const QString escapedUnderscore = QStringLiteral("_x005F_"); // read back as "_"
    QString cell;
    cell.reserve(std::min(kept.size(), kSpreadsheetCellLimit));
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const bool pair = kept[i].isHighSurrogate() && i + 1 < kept.size() && kept[i + 1].isLowSurrogate();
        const bool escape = startsEscape(kept, i);
        // Counted as stored, which is never less than what the spreadsheet shows.
        const qsizetype units = escape ? escapedUnderscore.size() : (pair ? 2 : 1);
        if (cell.size() + units > kSpreadsheetCellLimit)
            break;
        if (escape)
            cell.append(escapedUnderscore);
        else
            cell.append(kept[i]);
        if (pair)
            cell.append(kept[++i]);
    }
    return cell;
}

qsizetype spreadsheetTextWidth(QStringView text)
{
    qsizetype widest = 0;
    for (const QStringView line : text.tokenize(u'\n'))
        widest = std::max(widest, characterCount(line));
    return widest;
}

} // namespace cardisto
