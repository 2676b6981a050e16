// SPDX-License-Identifier: GPL-3.0-or-later
#include "LiteralConversion.h"

#include "AsciiText.h"
#include "VcardField.h"


namespace cardisto {

namespace {

using View = std::string_view;
constexpr size_t kNone = View::npos;

View baseName(View headName)
{
    return ascii::trimBlanks(headName.substr(0, headName.find(';')));
}

// Whether a head names the quoted-printable encoding ("-PRINTABLE" in any letter case): a dash is
// rare in heads, so this costs one search for most.
bool namesQuotedPrintable(View head)
{
    for (size_t dash = head.find('-'); dash != kNone; dash = head.find('-', dash + 1)) {
        if (ascii::startsWithUpper(head.substr(dash + 1), "PRINTABLE"))
            return true;
    }
    return false;
}

} // namespace

void LiteralConversion::convertLines(View text)
{
    size_t start = 0;
    while (start <= text.size()) {
        const size_t found = text.find('\n', start);
        const size_t end = found == kNone ? text.size() : found;
        visitLine(text.substr(start, end - start));
        start = end + 1;
    }
}

void LiteralConversion::appendWithoutCR(View value)
{
    if (value.find('\r') == kNone) {
        m_values.append(value);
        return;
    }
    m_scratch.clear();
    for (const char c : value) {
        if (c != '\r')
            m_scratch.push_back(c);
    }
    m_values.append(m_scratch);
}

// Address cleaning: "\n" (backslash, letter n) and then "=0D" each become one blank.
void LiteralConversion::appendCleaned(View value)
{
    if (value.find('\\') == kNone && value.find('=') == kNone) {
        m_values.append(value);
        return;
    }
    m_scratch.clear();
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == 'n') {
            m_scratch.push_back(' ');
            i += 1;
        } else if (value.substr(i, 3) == "=0D") {
            m_scratch.push_back(' ');
            i += 2;
        } else {
            m_scratch.push_back(value[i]);
        }
    }
    m_values.append(m_scratch);
}

// Rule N: family name, then given name when present; each trimmed, then stripped of CR.
void LiteralConversion::ruleN(View value)
{
    const View names = ascii::trimBlanks(value);
    if (names.empty())
        return;
    const size_t firstCut = names.find(';');
    appendWithoutCR(ascii::trimBlanks(names.substr(0, firstCut)));
    if (firstCut == kNone)
        return;
    const View rest = names.substr(firstCut + 1);
    appendWithoutCR(ascii::trimBlanks(rest.substr(0, rest.find(';'))));
}

// Rule TEL: the number without CR. A number written as a URI (tel:...) is the text after "tel:".
void LiteralConversion::ruleTel(View value, View afterSecondColon, bool hasSecondColon)
{
    if (hasSecondColon && ascii::equalsUpper(value, "TEL"))
        appendWithoutCR(afterSecondColon);
    else
        appendWithoutCR(value);
}

// Rule ADR on the value cut at every ";"; work addresses are those whose head says WORK.
void LiteralConversion::ruleAdr(View head, View value)
{
    const View address = ascii::trimBlanks(value);
    View parts[8];
    size_t count = 0;
    if (!address.empty()) {
        size_t start = 0;
        while (true) {
            const size_t cut = address.find(';', start);
            if (count < 8)
                parts[count] = address.substr(start, cut == kNone ? kNone : cut - start);
            ++count;
            if (cut == kNone)
                break;
            start = cut + 1;
        }
    }
    takeAddressComponents(ascii::containsUpper(head, "WORK"), count, parts[1].empty(), [&](size_t k, bool cleaned) {
        if (k == kEmptyValue)
            m_values.append(View());
        else if (cleaned)
            appendCleaned(parts[k]);
        else
            m_values.append(parts[k]);
    });
}

// NOTE: the full value with "=0D=0A=" turned into CR LF, trimmed.
void LiteralConversion::appendNote(View fullValue)
{
    constexpr View kSoftBreak = "=0D=0A=";
    if (fullValue.find(kSoftBreak) == kNone) {
        m_values.append(ascii::trimBlanks(fullValue));
        return;
    }
    std::string note;
    size_t start = 0;
    while (true) {
        const size_t found = fullValue.find(kSoftBreak, start);
        note.append(fullValue.substr(start, found == kNone ? kNone : found - start));
        if (found == kNone)
            break;
        note.append("\r\n");
        start = found + kSoftBreak.size();
    }
    m_values.append(ascii::trimBlanks(note));
}

void LiteralConversion::visitLine(View line)
{
    const bool continuation = !line.empty() && (line.front() == ' ' || line.front() == '\t');
    if (continuation && m_lastPropertyTaken)
        ++m_linesDecodingReadsOtherwise;
    const size_t colon = line.find(':');
    if (colon == kNone) {
        m_lastPropertyTaken &= continuation;
        return;
    }
    const View head = line.substr(0, colon);
    const View headName = ascii::trimBlanks(head);
    const View base = baseName(headName);
    if (!continuation)
        noteWhatDecodingReadsOtherwise(head, base);
    if (headName.empty())
        return;
    const size_t secondColon = line.find(':', colon + 1);
    const bool hasSecondColon = secondColon != kNone;
    const View value = hasSecondColon ? line.substr(colon + 1, secondColon - colon - 1) : line.substr(colon + 1);
    const View afterSecondColon = hasSecondColon ? line.substr(secondColon + 1) : View();
    if (m_choice.mode == FieldMode::SomeFields)
        dispatchSomeFields(head, headName, base, value, afterSecondColon, hasSecondColon);
    else
        dispatchAllFields(head, headName, base, value, line.substr(colon + 1), afterSecondColon, hasSecondColon);
}

// Whether the property names a field the choice takes, and whether decoding reads its line otherwise:
// a grouped name (item1.EMAIL), or a quoted-printable value.
void LiteralConversion::noteWhatDecodingReadsOtherwise(View head, View base)
{
    View name = base;
    const size_t dot = name.find('.');
    const bool grouped = dot != kNone && dot > 0;
    if (grouped)
        name.remove_prefix(dot + 1);
    m_lastPropertyTaken = fieldTaken(vcardFieldNamed(name), m_choice);
    if (m_lastPropertyTaken &&
        (grouped || (head.size() > name.size() && namesQuotedPrintable(head))))
        ++m_linesDecodingReadsOtherwise;
}

void LiteralConversion::dispatchSomeFields(View head, View headName, View base, View value, View afterSecondColon,
                                           bool hasSecondColon)
{
    const FieldGroups& groups = m_choice.groups;
    if (ascii::equalsUpper(headName, "N")) {
        if (groups.names)
            ruleN(value);
        return;
    }
    if (ascii::equalsUpper(base, "EMAIL")) {
        if (groups.emails)
            appendWithoutCR(value);
    } else if (ascii::equalsUpper(base, "N")) {
        if (groups.names)
            ruleN(value);
    } else if (ascii::equalsUpper(base, "ADR")) {
        if (groups.addresses)
            ruleAdr(head, value);
    } else if (ascii::equalsUpper(base, "TEL")) {
        if (groups.phones)
            ruleTel(value, afterSecondColon, hasSecondColon);
    }
}

void LiteralConversion::dispatchAllFields(View head, View headName, View base, View value, View fullValue,
                                          View afterSecondColon, bool hasSecondColon)
{
    if (ascii::equalsUpper(headName, "N")) {
        ruleN(value);
        return;
    }
    for (const View plain : {"FN", "ORG", "BDAY", "NICKNAME", "TITLE", "ROLE"}) {
        if (ascii::equalsUpper(headName, plain)) {
            appendWithoutCR(ascii::trimBlanks(value));
            return;
        }
    }
    if (head.find(';') == kNone)
        return;
    if (ascii::equalsUpper(base, "EMAIL"))
        appendWithoutCR(value);
    else if (ascii::equalsUpper(base, "N"))
        ruleN(value);
    else if (ascii::equalsUpper(base, "URL"))
        appendWithoutCR(fullValue);
    else if (ascii::equalsUpper(base, "NOTE"))
        appendNote(fullValue);
    else if (ascii::equalsUpper(base, "ADR"))
        ruleAdr(head, value);
    else if (ascii::equalsUpper(base, "TEL"))
        ruleTel(value, afterSecondColon, hasSecondColon);
}

} // namespace cardisto
