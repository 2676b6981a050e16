// SPDX-License-Identifier: GPL-3.0-or-later
#include "ValueEscapes.h"

namespace cardisto {

std::string_view unescapedText(std::string_view text, LineBreaks breaks, std::string& scratch)
{
    size_t first = 0;
    while (first < text.size() && text[first] != '\\' && text[first] != '\r' && text[first] != '\n')
        ++first;
    if (first == text.size())
        return text;
    const char lineBreak = breaks == LineBreaks::ToBlank ? ' ' : '\n';
    scratch.assign(text.substr(0, first));
    for (size_t i = first; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            scratch.push_back(lineBreak);
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            scratch.push_back(lineBreak);
        } else if (c == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == 'n' || next == 'N') {
                scratch.push_back(lineBreak);
                ++i;
            } else if (next == ',' || next == ';' || next == ':' || next == '\\') {
                scratch.push_back(next);
                ++i;
            } else {
                scratch.push_back(c);
            }
        } else {
            scratch.push_back(c);
        }
    }
    return scratch;
}

std::string_view caretUnescapedText(std::string_view text, std::string& scratch)
{
    const size_t first = text.find('^');
    if (first == std::string_view::npos)
        return text;
    scratch.assign(text.substr(0, first));
    for (size_t i = first; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] != '^' || (next != 'n' && next != 'N' && next != '^' && next != '\'')) {
            scratch.push_back(text[i]);
            continue;
        }
        scratch.push_back(next == '^' ? '^' : next == '\'' ? '"' : '\n');
        ++i;
    }
    return scratch;
}

} // namespace cardisto
