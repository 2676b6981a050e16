// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace cardisto::ascii {

// Property names, parameter words and every character that gives a line its structure are ASCII,
// in UTF-8 and Windows-1252 alike, so the reading compares letter case in ASCII only.
inline char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 32) : c;
}

// Whether text is word, letter case aside; word is given in upper case.
inline bool equalsUpper(std::string_view text, std::string_view upperWord)
{
    if (text.size() != upperWord.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (upper(text[i]) != upperWord[i])
            return false;
    }
    return true;
}

inline bool startsWithUpper(std::string_view text, std::string_view upperWord)
{
    return text.size() >= upperWord.size() && equalsUpper(text.substr(0, upperWord.size()), upperWord);
}

inline bool containsUpper(std::string_view text, std::string_view upperWord)
{
    for (size_t i = 0; i + upperWord.size() <= text.size(); ++i) {
        if (equalsUpper(text.substr(i, upperWord.size()), upperWord))
            return true;
    }
    return false;
}

// Trimming removes blanks (U+0020) only, as everywhere in the conversion.
inline std::string_view trimBlanks(std::string_view text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && text[first] == ' ')
        ++first;
    while (last > first && text[last - 1] == ' ')
        --last;
    return text.substr(first, last - first);
}

// The first of the bytes a, b and c at or after from; the text's size when there is none. Eight
// bytes are tested at a time: this runs over the head of every line of a file.
inline size_t findFirstOf(std::string_view text, size_t from, char a, char b, char c)
{
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
        constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
        const auto zeroBytes = [](std::uint64_t word) { return (word - kOnes) & ~word & kHighs; };
        while (from + 8 <= text.size()) {
            std::uint64_t word;
            std::memcpy(&word, text.data() + from, 8);
            // The lowest flag of each test is exact, so the lowest of the three is the first byte sought.
            const std::uint64_t found = zeroBytes(word ^ (kOnes * std::uint8_t(a))) |
                                        zeroBytes(word ^ (kOnes * std::uint8_t(b))) |
                                        zeroBytes(word ^ (kOnes * std::uint8_t(c)));
            if (found != 0)
                return from + size_t(std::countr_zero(found) / 8);
            from += 8;
        }
    }
    while (from < text.size() && text[from] != a && text[from] != b && text[from] != c)
        ++from;
    return std::min(from, text.size());
}

} // namespace cardisto::ascii
