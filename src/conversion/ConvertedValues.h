// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AsciiText.h"

#include <QtGlobal>

#include <string>
#include <string_view>
#include <utility>

namespace cardisto {

// The values a conversion keeps, in the order they are found, each followed by CR LF. A value of
// blanks only is dropped, and in the literal reading so is any value holding a colon; every value
// found counts for the assembly progress, kept or not.
class ConvertedValues {
public:
    explicit ConvertedValues(bool dropValuesWithColon) : m_dropValuesWithColon(dropValuesWithColon) {}

    void append(std::string_view value)
    {
        ++m_count;
        if ((m_dropValuesWithColon && value.find(':') != std::string_view::npos) || ascii::trimBlanks(value).empty())
            return;
        m_output.append(value);
        m_output.append("\r\n");
    }

    // The values kept since the last call; the output starts empty again.
    std::string take() { return std::exchange(m_output, std::string()); }
    void reserve(size_t bytes) { m_output.reserve(bytes); }
    qsizetype count() const { return m_count; }

private:
    bool m_dropValuesWithColon;
    std::string m_output;
    qsizetype m_count = 0;
};

// Which components of an address rule ADR takes, in order. take(k, cleaned) takes component k
// (cleaned: the street and the extended address and locality that address cleaning applies to);
// take(kEmptyValue, false) stands for the empty value a home address gives in place of a missing
// extended address. Work addresses give street, locality, region, code, country and a component 7;
// other addresses the extended address and street (or the street and the empty value), locality,
// region, code and country, and nothing at all with fewer than three components.
inline constexpr size_t kEmptyValue = size_t(-1);

template <typename Take>
void takeAddressComponents(bool work, size_t count, bool extendedAddressEmpty, Take&& take)
{
    if (work) {
        for (size_t k = 2; k <= 7 && k < count; ++k)
            take(k, k <= 3);
        return;
    }
    if (count < 3)
        return;
    if (!extendedAddressEmpty) {
        take(1, true);
        take(2, true);
    } else {
        take(2, true);
        take(kEmptyValue, false);
    }
    for (size_t k = 3; k <= 6 && k < count; ++k)
        take(k, false);
}

} // namespace cardisto
