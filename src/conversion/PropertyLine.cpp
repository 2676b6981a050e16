// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropertyLine.h"

namespace cardisto {

namespace {

constexpr size_t kNone = std::string_view::npos;

bool isGroup(std::string_view text)
{
    if (text.empty())
        return false;
    for (const char c : text) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        if (!allowed)
            return false;
    }
    return true;
}

// The colon that starts the value, searched from the ";" that starts the parameters: the first
// one outside quotes, or the first one at all when a quote is never closed.
size_t valueColon(std::string_view line, size_t from)
{
    size_t at = from;
    for (;;) {
        at = ascii::findFirstOf(line, at, ':', '"', ':');
        if (at == line.size())
            return kNone;
        if (line[at] == ':')
            return at;
        const size_t closing = line.find('"', at + 1);
        if (closing == kNone)
            return line.find(':', from);
        at = closing + 1;
    }
}

} // namespace

bool PropertyLine::read(std::string_view line)
{
    size_t mark = ascii::findFirstOf(line, 0, ':', ';', '.');
    size_t nameStart = 0;
    m_group = {};
    if (mark < line.size() && line[mark] == '.') {
        if (isGroup(line.substr(0, mark))) {
            m_group = line.substr(0, mark);
            nameStart = mark + 1;
        }
        mark = ascii::findFirstOf(line, mark + 1, ':', ';', ';');
    }
    if (mark == line.size())
        return false;
    size_t colon = mark;
    if (line[mark] == ';') {
        colon = valueColon(line, mark);
        if (colon == kNone)
            return false;
    }
    m_name = ascii::trimBlanks(line.substr(nameStart, mark - nameStart));
    m_parameters = line.substr(mark, colon - mark);
    m_value = line.substr(colon + 1);
    return !m_name.empty();
}

size_t PropertyLine::parameterEnd(size_t start) const
{
    size_t at = start;
    while (at < m_parameters.size()) {
        const char c = m_parameters[at];
        if (c == ';')
            return at;
        if (c == '"') {
            const size_t closing = m_parameters.find('"', at + 1);
            if (closing != kNone)
                at = closing;
        }
        ++at;
    }
    return m_parameters.size();
}

std::string_view PropertyLine::unquoted(std::string_view text)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

PropertyParameter PropertyLine::splitParameter(std::string_view parameter)
{
    const size_t equals = parameter.find('=');
    if (equals == kNone)
        return {std::string_view(), unquoted(parameter)};
    return {ascii::trimBlanks(parameter.substr(0, equals)),
            unquoted(ascii::trimBlanks(parameter.substr(equals + 1)))};
}

bool PropertyLine::isEncodingWord(std::string_view word)
{
    return ascii::equalsUpper(word, "QUOTED-PRINTABLE") || ascii::equalsUpper(word, "BASE64") ||
           ascii::equalsUpper(word, "8BIT") || ascii::equalsUpper(word, "7BIT");
}

ValueForm PropertyLine::valueForm() const
{
    ValueForm form;
    forEachParameter([&form](const PropertyParameter& parameter) {
        std::string_view encoding;
        if (parameter.name.empty())
            encoding = parameter.value;
        else if (ascii::equalsUpper(parameter.name, "ENCODING"))
            encoding = parameter.value;
        else if (ascii::equalsUpper(parameter.name, "CHARSET"))
            form.charset = parameter.value;
        if (ascii::equalsUpper(encoding, "QUOTED-PRINTABLE"))
            form.quotedPrintable = true;
        else if (ascii::equalsUpper(encoding, "BASE64") || (!parameter.name.empty() && ascii::equalsUpper(encoding, "B")))
            form.binary = true;
    });
    return form;
}

} // namespace cardisto
