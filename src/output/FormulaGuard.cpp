// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormulaGuard.h"

#include <algorithm>

namespace cardisto {

namespace {

bool isNumberCharacter(char c)
{
    return (c >= '0' && c <= '9') || c == ' ' || c == '+' || c == '-' || c == '(' || c == ')' || c == '.' || c == '/';
}

} // namespace

bool needsFormulaGuard(std::string_view text)
{
    if (text.empty())
        return false;
    switch (text.front()) {
    case '=':
    case '@':
    case '\t':
    case '\r':
        return true;
    case '+':
    case '-':
        return !std::all_of(text.begin() + 1, text.end(), isNumberCharacter);
    default:
        return false;
    }
}

} // namespace cardisto
