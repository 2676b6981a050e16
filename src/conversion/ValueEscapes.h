// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace cardisto {

// What the line breaks of a value become once its escapes are read.
enum class LineBreaks { ToBlank, ToLineFeed };

// The text of a value with its escapes read: \, \; \: \\ become the character, \n and \N a line
// break; any other backslash stays. Every line break, escaped or decoded (CR LF, LF or CR alone),
// becomes one blank or one LF. A view of text when nothing changes, otherwise of scratch.
std::string_view unescapedText(std::string_view text, LineBreaks breaks, std::string& scratch);

// Calls each(piece) for the pieces of a value cut at every `separator` that no backslash escapes.
// The pieces keep their escapes.
template <typename Each>
void forEachUnescapedSeparated(std::string_view text, char separator, Each&& each)
{
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text[i] == separator) {
            each(text.substr(start, i - start));
            start = i + 1;
        }
    }
    each(text.substr(std::min(start, text.size())));
}

// Calls each(component) for the components of a structured value (N, ADR, ORG): the text cut at
// every ";" that no backslash escapes. The components keep their escapes.
template <typename Each>
void forEachComponent(std::string_view text, Each&& each)
{
    forEachUnescapedSeparated(text, ';', each);
}

// The text of a parameter value with the escapes of RFC 6868 read: ^n is a line break, ^^ a caret
// and ^' a double quote; any other caret stays. A view of text when nothing changes, otherwise of
// scratch.
std::string_view caretUnescapedText(std::string_view text, std::string& scratch);

} // namespace cardisto
