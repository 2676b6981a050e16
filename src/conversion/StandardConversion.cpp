// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandardConversion.h"

#include "LogicalLines.h"
#include "PropertyLine.h"
#include "ValueEscapes.h"
#include "VcardField.h"

namespace cardisto {

namespace {

using View = std::string_view;

} // namespace

void StandardConversion::convertLines(View text)
{
    LogicalLines lines(withoutByteOrderMark(text, m_atFileStart));
    View line;
    PropertyLine property;
    while (lines.next(line)) {
        if (property.read(line))
            visit(property);
    }
}

void StandardConversion::visit(const PropertyLine& property)
{
    const VcardField field = vcardFieldNamed(property.name());
    if (!fieldTaken(field, m_choice))
        return;
    const ValueForm form = property.parameters().empty() ? ValueForm() : property.valueForm();
    if (form.binary)
        return;
    const View text = m_decoder.text(property, form);
    switch (field) {
    case VcardField::N:
        ruleN(text);
        break;
    case VcardField::Email:
    case VcardField::Url:
        appendOneLine(text, false);
        break;
    case VcardField::Tel:
        ruleTel(text);
        break;
    case VcardField::Adr:
        ruleAdr(property, text);
        break;
    case VcardField::Note:
        appendNote(text);
        break;
    case VcardField::Org:
        appendOrganisation(text);
        break;
    case VcardField::FN:
    case VcardField::BDay:
    case VcardField::Nickname:
    case VcardField::Title:
    case VcardField::Role:
        appendOneLine(text, true);
        break;
    case VcardField::Other:
        break;
    }
}

void StandardConversion::appendOneLine(View text, bool trimmed)
{
    const View plain = unescapedText(text, LineBreaks::ToBlank, m_scratch);
    m_values.append(trimmed ? ascii::trimBlanks(plain) : plain);
}

// One value per line of the note, each trimmed.
void StandardConversion::appendNote(View text)
{
    View note = unescapedText(ascii::trimBlanks(text), LineBreaks::ToLineFeed, m_scratch);
    for (;;) {
        const size_t lineEnd = note.find('\n');
        m_values.append(ascii::trimBlanks(note.substr(0, lineEnd)));
        if (lineEnd == View::npos)
            return;
        note.remove_prefix(lineEnd + 1);
    }
}

// Rule N on the decoded components: family name, then given name when there is one.
void StandardConversion::ruleN(View text)
{
    const View names = ascii::trimBlanks(text);
    if (names.empty())
        return;
    size_t index = 0;
    forEachComponent(names, [&](View component) {
        if (index++ < 2)
            m_values.append(ascii::trimBlanks(unescapedText(component, LineBreaks::ToBlank, m_scratch)));
    });
}

// Rule TEL: the number; a number written as a URI (tel:...) is the text after "tel:".
void StandardConversion::ruleTel(View text)
{
    View number = unescapedText(text, LineBreaks::ToBlank, m_scratch);
    if (ascii::startsWithUpper(number, "TEL:"))
        number.remove_prefix(4);
    m_values.append(number);
}

// Rule ADR on the decoded components; their line breaks become blanks as address cleaning makes them.
void StandardConversion::ruleAdr(const PropertyLine& property, View text)
{
    const View address = ascii::trimBlanks(text);
    View parts[8];
    size_t count = 0;
    if (!address.empty()) {
        forEachComponent(address, [&](View component) {
            if (count < 8)
                parts[count] = component;
            ++count;
        });
    }
    takeAddressComponents(ascii::containsUpper(property.parameters(), "WORK"), count, parts[1].empty(),
                          [&](size_t k, bool) {
                              if (k == kEmptyValue)
                                  m_values.append(View());
                              else
                                  m_values.append(unescapedText(parts[k], LineBreaks::ToBlank, m_scratch));
                          });
}

// The organisation is one value: its components read, the empty ones at its end left out, joined by ";".
void StandardConversion::appendOrganisation(View text)
{
    m_joined.clear();
    size_t keptLength = 0;
    bool first = true;
    forEachComponent(text, [&](View component) {
        if (!first)
            m_joined.push_back(';');
        first = false;
        const View plain = unescapedText(component, LineBreaks::ToBlank, m_scratch);
        m_joined.append(plain);
        if (!ascii::trimBlanks(plain).empty())
            keptLength = m_joined.size();
    });
    m_joined.resize(keptLength);
    m_values.append(ascii::trimBlanks(m_joined));
}

} // namespace cardisto
