// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace cardisto {

// Whether a spreadsheet that opens a CSV or TSV file, or takes a pasted table, would read the text
// of a cell as a formula that can do more than arithmetic: a text starting with "=", "@", a tab or
// a carriage return, or with "+" or "-" followed by anything but what a phone number or a plain
// number is written with (digits, blanks and + - ( ) . /). Without letters a formula can name no
// function, cell or other program, so "+49 30 1234" and "-5" are written as they are.
bool needsFormulaGuard(std::string_view text);

// What is put in front of such a text: an apostrophe, which spreadsheets show as text and import
// programs keep, so the value is still all there.
inline constexpr std::string_view kFormulaGuard = "'";

} // namespace cardisto
