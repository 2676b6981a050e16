// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionChoice.h"
#include "ConvertedValues.h"
#include "ValueText.h"

#include <string>
#include <string_view>

namespace cardisto {

class PropertyLine;
struct ValueForm;

// "Read vCards as the standard defines them": each file read as vCard 2.1, 3.0 and 4.0 define it. Lines end
// at LF, CR LF or CR; folded lines and quoted-printable soft breaks are joined; group prefixes go;
// values are decoded (quoted-printable, CHARSET), their escapes read, and N and ADR cut into
// components at unescaped ";" only. A line break inside a value becomes one blank, except in a
// note, which gives one value per line. All Fields takes its properties with or without
// parameters, and no value is dropped or cut for holding a colon. The values are UTF-8.
class StandardConversion {
public:
    StandardConversion(const ConversionChoice& choice, FileBytes file)
        : m_choice(choice), m_decoder(file), m_values(false)
    {
    }

    // Converts the lines of a stretch of the file that begins a logical line and ends just after
    // one (or at the end of the file).
    void convertLines(std::string_view text);

    ConvertedValues& values() { return m_values; }
    // Decoded lines are read as decoding reads them already.
    qsizetype takeLinesDecodingReadsOtherwise() { return 0; }

private:
    using View = std::string_view;

    void visit(const PropertyLine& property);
    void appendOneLine(View text, bool trimmed);
    void appendNote(View text);
    void ruleN(View text);
    void ruleTel(View text);
    void ruleAdr(const PropertyLine& property, View text);
    void appendOrganisation(View text);

    const ConversionChoice& m_choice;
    ValueDecoder m_decoder;
    ConvertedValues m_values;
    bool m_atFileStart = true;
    std::string m_scratch;
    std::string m_joined;
};

} // namespace cardisto
