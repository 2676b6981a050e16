#pragma once

#include <QString>
#include <QStringView>

namespace cardisto {

// The most characters a spreadsheet cell holds.
inline constexpr qsizetype kSpreadsheetCellLimit = 32767;

// The text stored for a cell, so that a spreadsheet shows exactly what was listed:
// - control characters are dropped, except tab and line feed (a CR LF becomes the line feed that
//   breaks lines inside a cell), and so are U+FFFE and U+FFFF, which the file format cannot carry;
// - a literal escape such as "_x0041_", which a spreadsheet would turn into "A", is protected by
//   writing its underscore as "_x005F_";
// - the text is cut where the cell limit is reached, never inside a surrogate pair, counting the
//   the characters as stored (never fewer than the spreadsheet shows).
QString spreadsheetCellText(QStringView text);

// The width in characters that a cell text needs: its longest line.
qsizetype spreadsheetTextWidth(QStringView text);

} // namespace cardisto
