// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AsciiText.h"

#include <string_view>

namespace cardisto {

// One parameter of a property: NAME=VALUE, or a bare word as vCard 2.1 writes types and encodings
// (TEL;CELL;HOME), whose name is empty. A quoted value loses its quotes.
struct PropertyParameter {
    std::string_view name;
    std::string_view value;
};

// What the parameters say about the way a value is written: ENCODING and CHARSET, or 2.1's bare
// QUOTED-PRINTABLE and BASE64.
struct ValueForm {
    bool quotedPrintable = false;
    bool binary = false; // base64 (ENCODING=b, BASE64): never text
    std::string_view charset;
};

// A logical line read as a property, [group.]NAME *(;PARAMETER) : VALUE. The value starts at the
// first colon outside a quoted parameter value (ADR;GEO="geo:51.5,0.1":...); a quote that is never
// closed is an ordinary character. Views into the line.
class PropertyLine {
public:
    // False when the line holds no colon, or nothing before it.
    bool read(std::string_view line);

    // "item1" of item1.EMAIL: letters, digits and dashes before the first dot of the name; empty when none.
    std::string_view group() const { return m_group; }
    // The name as written, in any letter case.
    std::string_view name() const { return m_name; }
    // Every parameter as written, from the ";" after the name up to the value's colon; empty when none.
    std::string_view parameters() const { return m_parameters; }
    // The value as written: nothing decoded.
    std::string_view value() const { return m_value; }

    bool nameIs(std::string_view upperName) const { return ascii::equalsUpper(m_name, upperName); }

    // Calls each(PropertyParameter) for every parameter, in order.
    template <typename Each>
    void forEachParameter(Each&& each) const
    {
        size_t start = 1;
        while (start <= m_parameters.size()) {
            const size_t end = parameterEnd(start);
            const std::string_view parameter = ascii::trimBlanks(m_parameters.substr(start, end - start));
            if (!parameter.empty())
                each(splitParameter(parameter));
            start = end + 1;
        }
    }

    ValueForm valueForm() const;

    // Calls each(word) for every type the property carries: each comma-separated value of a TYPE
    // parameter, and every bare word that is no encoding (HOME, WORK, CELL, PREF, INTERNET, ...).
    template <typename Each>
    void forEachType(Each&& each) const
    {
        forEachParameter([&each](const PropertyParameter& parameter) {
            if (parameter.name.empty()) {
                if (!isEncodingWord(parameter.value))
                    each(parameter.value);
                return;
            }
            if (!ascii::equalsUpper(parameter.name, "TYPE"))
                return;
            std::string_view list = parameter.value;
            while (!list.empty()) {
                const size_t comma = list.find(',');
                const std::string_view word = unquoted(ascii::trimBlanks(list.substr(0, comma)));
                if (!word.empty())
                    each(word);
                list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
            }
        });
    }

private:
    size_t parameterEnd(size_t start) const;
    static PropertyParameter splitParameter(std::string_view parameter);
    static std::string_view unquoted(std::string_view text);
    static bool isEncodingWord(std::string_view word);

    std::string_view m_group;
    std::string_view m_name;
    std::string_view m_parameters;
    std::string_view m_value;
};

} // namespace cardisto
