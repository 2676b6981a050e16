// SPDX-License-Identifier: GPL-3.0-or-later
#include "BirthdayText.h"

namespace cardisto {

namespace {

bool digitsAt(std::string_view text, size_t from, size_t count)
{
    if (from + count > text.size())
        return false;
    for (size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    return true;
}

// Month and day, written MMDD or MM-DD from `from`, with nothing or a time after them; the length
// of what they take, or 0.
size_t monthAndDayLength(std::string_view text, size_t from)
{
    size_t length = 0;
    if (digitsAt(text, from, 4))
        length = 4;
    else if (digitsAt(text, from, 2) && from + 2 < text.size() && text[from + 2] == '-' && digitsAt(text, from + 3, 2))
        length = 5;
    if (length == 0)
        return 0;
    const size_t end = from + length;
    return end == text.size() || text[end] == 'T' || text[end] == 't' ? length : 0;
}

} // namespace

std::string_view birthdayText(std::string_view text, std::string& scratch)
{
    size_t monthStart = 0;
    if (text.starts_with("--"))
        monthStart = 2;
    else if (digitsAt(text, 0, 4))
        monthStart = text.size() > 4 && text[4] == '-' ? 5 : 4;
    else
        return text;
    const size_t length = monthAndDayLength(text, monthStart);
    if (length == 0)
        return text;
    const std::string_view monthAndDay = text.substr(monthStart, length);
    scratch.assign(monthStart == 2 ? "--" : text.substr(0, 4));
    if (monthStart != 2)
        scratch.push_back('-');
    scratch.append(monthAndDay.substr(0, 2));
    scratch.push_back('-');
    scratch.append(monthAndDay.substr(length == 4 ? 2 : 3, 2));
    return scratch;
}

} // namespace cardisto
