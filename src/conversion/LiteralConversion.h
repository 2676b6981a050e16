// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionChoice.h"
#include "ConvertedValues.h"

#include <string>
#include <string_view>
#include <utility>

namespace cardisto {

// The reading of each line as it stands in the file: lines end at LF only, a line's head is the
// text before its first colon and its value the text up to the second, folded lines and
// quoted-printable values stay as written, grouped names match nothing. Works on the bytes of an
// 8-bit file (every structural character is ASCII, so the values are decoded only once, at the
// end) or on a UTF-16 file read as UTF-8.
class LiteralConversion {
public:
    explicit LiteralConversion(const ConversionChoice& choice) : m_choice(choice), m_values(true) {}

    // Converts the lines of a stretch of the file that begins a line and ends just after one (or
    // at the end of the file).
    void convertLines(std::string_view text);

    ConvertedValues& values() { return m_values; }
    // The lines converted since the last call that the decoding would read otherwise (folded
    // continuations, quoted-printable values and grouped names of the fields the choice takes).
    qsizetype takeLinesDecodingReadsOtherwise() { return std::exchange(m_linesDecodingReadsOtherwise, 0); }

private:
    using View = std::string_view;

    void visitLine(View line);
    void noteWhatDecodingReadsOtherwise(View head, View base);
    void dispatchSomeFields(View head, View headName, View base, View value, View afterSecondColon,
                            bool hasSecondColon);
    void dispatchAllFields(View head, View headName, View base, View value, View fullValue, View afterSecondColon,
                           bool hasSecondColon);

    void appendWithoutCR(View value);
    void appendCleaned(View value);
    void appendNote(View fullValue);
    void ruleN(View value);
    void ruleTel(View value, View afterSecondColon, bool hasSecondColon);
    void ruleAdr(View head, View value);

    const ConversionChoice& m_choice;
    ConvertedValues m_values;
    std::string m_scratch;
    bool m_lastPropertyTaken = false; // the last property line names a field the choice takes
    qsizetype m_linesDecodingReadsOtherwise = 0;
};

} // namespace cardisto
