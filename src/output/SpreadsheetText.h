// SPDX-License-Identifier: GPL-3.0-or-later
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
// When changes is given, it is told whether the text was cut, or lost characters other than the CR
// of a line break, so that the user can be told.
struct CellTextChanges {
    bool cut = false;
    bool cleaned = false;
    bool any() const { return cut || cleaned; }
};
QString spreadsheetCellText(QStringView text, CellTextChanges* changes = nullptr);

// The width in characters that a cell text needs: its longest line, where an East Asian wide or
// full-width character takes the room of two.
qsizetype spreadsheetTextWidth(QStringView text);

// Whether a character takes two columns in a fixed-width view: East Asian wide and full-width.
bool isWideCharacter(char32_t c);

} // namespace cardisto
