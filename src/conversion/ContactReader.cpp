// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactReader.h"

#include "BirthdayText.h"
#include "ContactLabels.h"
#include "LogicalLines.h"
#include "PropertyLine.h"
#include "ValueEscapes.h"
#include "VcardField.h"

#include <algorithm>

namespace cardisto {

namespace {

using View = std::string_view;

bool namesVcard(View value)
{
    return ascii::equalsUpper(ascii::trimBlanks(value), "VCARD");
}

bool sameGroup(View a, View b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (ascii::upper(a[i]) != ascii::upper(b[i]))
            return false;
    }
    return true;
}

// A value left out: nothing but blanks as written, or for an address nothing but blanks and ";".
bool emptyAsWritten(View value, bool address)
{
    return std::all_of(value.begin(), value.end(), [address](char c) { return c == ' ' || (address && c == ';'); });
}

} // namespace

ContactReader::ContactReader(FileBytes file, Reading reading, ContactSink sink)
    : m_decoder(file), m_reading(reading), m_sink(std::move(sink))
{}

bool ContactReader::isEntry(Property kind)
{
    return kind == Property::Email || kind == Property::Tel || kind == Property::Adr || kind == Property::Url;
}

ContactReader::Property ContactReader::propertyNamed(View name)
{
    switch (vcardFieldNamed(name)) {
    case VcardField::N:
        return Property::N;
    case VcardField::FN:
        return Property::FN;
    case VcardField::Org:
        return Property::Org;
    case VcardField::BDay:
        return Property::BDay;
    case VcardField::Nickname:
        return Property::Nickname;
    case VcardField::Title:
        return Property::Title;
    case VcardField::Email:
        return Property::Email;
    case VcardField::Tel:
        return Property::Tel;
    case VcardField::Adr:
        return Property::Adr;
    case VcardField::Url:
        return Property::Url;
    case VcardField::Note:
        return Property::Note;
    case VcardField::Role:
        return Property::Other;
    case VcardField::Other:
        break;
    }
    switch (name.size()) {
    case 3:
        return ascii::equalsUpper(name, "END") ? Property::End : Property::Other;
    case 5:
        return ascii::equalsUpper(name, "BEGIN") ? Property::Begin : Property::Other;
    case 9:
        return ascii::equalsUpper(name, "X-ABLABEL") ? Property::AppleLabel : Property::Other;
    case 10:
        return ascii::equalsUpper(name, "CATEGORIES") ? Property::Categories : Property::Other;
    case 20:
        return ascii::equalsUpper(name, "X-PHONETIC-LAST-NAME") ? Property::PhoneticLastName : Property::Other;
    case 21:
        return ascii::equalsUpper(name, "X-PHONETIC-FIRST-NAME") ? Property::PhoneticFirstName : Property::Other;
    case 22:
        return ascii::equalsUpper(name, "X-PHONETIC-MIDDLE-NAME") ? Property::PhoneticMiddleName : Property::Other;
    default:
        return Property::Other;
    }
}

void ContactReader::readLines(View text)
{
    LogicalLines lines(withoutByteOrderMark(text, m_atFileStart));
    View line;
    PropertyLine property;
    while (!m_stopped && lines.next(line)) {
        if (property.read(line))
            visit(property);
    }
}

void ContactReader::finish()
{
    if (m_depth == 0 || m_stopped)
        return;
    m_depth = 0;
    endContact();
}

void ContactReader::startContact()
{
    m_contact.clear();
    m_taken.clear();
    m_groupedEntries.clear();
    m_waitingLabels.clear();
}

void ContactReader::endContact()
{
    m_contact.viewAs(m_row);
    m_stopped = !m_sink(m_row);
}

void ContactReader::visit(const PropertyLine& property)
{
    const Property kind = propertyNamed(property.name());
    if (kind == Property::Begin) {
        if (namesVcard(property.value()) && m_depth++ == 0)
            startContact();
        return;
    }
    if (kind == Property::End) {
        if (namesVcard(property.value()) && m_depth > 0 && --m_depth == 0)
            endContact();
        return;
    }
    // Only the contact's own lines count: not those of a card inside it, nor any outside a card.
    if (m_depth != 1 || kind == Property::Other)
        return;
    // Counting needs no more than the e-mails, phones, addresses and websites.
    if (m_reading == Reading::CountsOnly && !isEntry(kind))
        return;
    const ValueForm form = property.parameters().empty() ? ValueForm() : property.valueForm();
    if (form.binary)
        return;
    takeValues(property, kind, form);
}

void ContactReader::takeValues(const PropertyLine& property, Property kind, const ValueForm& form)
{
    const auto groupOf = [](Property entryKind) {
        switch (entryKind) {
        case Property::Email:
            return ContactGroup::Email;
        case Property::Tel:
            return ContactGroup::Phone;
        case Property::Adr:
            return ContactGroup::Address;
        default:
            return ContactGroup::Website;
        }
    };
    const bool entry = isEntry(kind);
    if (entry && emptyAsWritten(property.value(), kind == Property::Adr))
        return;
    if (m_reading == Reading::CountsOnly) {
        if (entry)
            m_contact.addEntry(groupOf(kind));
        return;
    }
    const View text = m_decoder.text(property, form);
    switch (kind) {
    case Property::Email:
    case Property::Url:
    case Property::Tel: {
        const ContactGroup group = groupOf(kind);
        const int index = addEntry(property, group);
        View value = ascii::trimBlanks(plain(text));
        // A number written as a URI is the number.
        if (kind == Property::Tel && ascii::startsWithUpper(value, "TEL:"))
            value.remove_prefix(4);
        m_contact.part(group, index, kValuePart).assign(value);
        break;
    }
    case Property::Adr:
        takeAddress(property, addEntry(property, ContactGroup::Address), text);
        break;
    case Property::N:
        if (takeOnce(kind, text))
            takeName(text);
        break;
    case Property::FN:
        if (takeOnce(kind, text))
            m_contact.field(ContactField::FileAs).assign(ascii::trimBlanks(plain(text)));
        break;
    case Property::Org:
        if (takeOnce(kind, text))
            takeOrganization(text);
        break;
    case Property::BDay:
        if (takeOnce(kind, text))
            m_contact.field(ContactField::Birthday).assign(birthdayText(ascii::trimBlanks(plain(text)), m_label));
        break;
    case Property::PhoneticFirstName:
    case Property::PhoneticMiddleName:
    case Property::PhoneticLastName: {
        const ContactField field = kind == Property::PhoneticFirstName    ? ContactField::PhoneticFirstName
                                   : kind == Property::PhoneticMiddleName ? ContactField::PhoneticMiddleName
                                                                          : ContactField::PhoneticLastName;
        if (takeOnce(kind, text))
            m_contact.field(field).assign(ascii::trimBlanks(plain(text)));
        break;
    }
    case Property::Nickname:
        append(ContactField::Nickname, plain(text), ", ");
        break;
    case Property::Title:
        append(ContactField::OrganizationTitle, plain(text), ", ");
        break;
    case Property::Note:
        append(ContactField::Notes, plain(ascii::trimBlanks(text), LineBreaks::ToLineFeed), "\n");
        break;
    case Property::Categories:
        // Google's own column holds every label of a contact, joined by " ::: ".
        forEachUnescapedSeparated(text, ',',
                                  [&](View category) { append(ContactField::Labels, plain(category), " ::: "); });
        break;
    case Property::AppleLabel:
        takeAppleLabel(property, text);
        break;
    default:
        break;
    }
}

bool ContactReader::takeOnce(Property kind, View text)
{
    if (ascii::trimBlanks(text).empty() || std::find(m_taken.begin(), m_taken.end(), kind) != m_taken.end())
        return false;
    m_taken.push_back(kind);
    return true;
}

ContactReader::View ContactReader::plain(View text, LineBreaks breaks)
{
    return unescapedText(text, breaks, m_scratch);
}

void ContactReader::append(ContactField field, View text, View separator)
{
    text = ascii::trimBlanks(text);
    if (text.empty())
        return;
    std::string& to = m_contact.field(field);
    if (!to.empty())
        to.append(separator);
    to.append(text);
}

int ContactReader::addEntry(const PropertyLine& property, ContactGroup group)
{
    const int entry = m_contact.addEntry(group);
    setLabelFromTypes(property, m_label);
    // A type of the writer's own becomes the label as written: its bytes are the file's. Decoded
    // apart, as the value being taken may still be a view of the decoder's text.
    m_labelText.clear();
    m_decoder.appendParameterText(m_label, m_labelText);
    m_contact.part(group, entry, kLabelPart).assign(m_labelText);
    const View name = property.group();
    if (name.empty())
        return entry;
    m_groupedEntries.push_back({std::string(name), group, entry});
    for (const auto& [labelGroup, label] : m_waitingLabels) {
        if (sameGroup(labelGroup, name))
            m_contact.part(group, entry, kLabelPart).assign(label);
    }
    return entry;
}

// Apple's label of a group (item1.X-ABLabel) names the e-mail, phone, address or website of that
// group, written before or after it.
void ContactReader::takeAppleLabel(const PropertyLine& property, View text)
{
    const View group = property.group();
    if (group.empty())
        return;
    const View label = appleLabelText(ascii::trimBlanks(plain(text)));
    bool found = false;
    for (const GroupedEntry& grouped : m_groupedEntries) {
        if (sameGroup(grouped.group, group)) {
            m_contact.part(grouped.kind, grouped.entry, kLabelPart).assign(label);
            found = true;
        }
    }
    if (!found)
        m_waitingLabels.emplace_back(std::string(group), std::string(label));
}

void ContactReader::takeName(View text)
{
    static constexpr ContactField kOrder[] = {ContactField::LastName, ContactField::FirstName, ContactField::MiddleName,
                                              ContactField::NamePrefix, ContactField::NameSuffix};
    size_t index = 0;
    forEachComponent(ascii::trimBlanks(text), [&](View component) {
        if (index < std::size(kOrder))
            m_contact.field(kOrder[index]).assign(ascii::trimBlanks(plain(component)));
        ++index;
    });
}

// The organisation's name, then its units as the department.
void ContactReader::takeOrganization(View text)
{
    bool first = true;
    forEachComponent(ascii::trimBlanks(text), [&](View component) {
        if (first)
            m_contact.field(ContactField::OrganizationName).assign(ascii::trimBlanks(plain(component)));
        else
            append(ContactField::OrganizationDepartment, plain(component), ", ");
        first = false;
    });
}

// ADR: PO box; extended address; street; city; region; postal code; country. The street and the
// extended address keep their line breaks; the formatted text is the LABEL parameter's, when given.
void ContactReader::takeAddress(const PropertyLine& property, int entry, View text)
{
    static constexpr int kParts[] = {kAddressPoBox,  kAddressExtended,   kAddressStreet, kAddressCity,
                                     kAddressRegion, kAddressPostalCode, kAddressCountry};
    size_t index = 0;
    forEachComponent(ascii::trimBlanks(text), [&](View component) {
        if (index < std::size(kParts)) {
            const int part = kParts[index];
            const bool lines = part == kAddressStreet || part == kAddressExtended;
            m_contact.part(ContactGroup::Address, entry, part)
                .assign(ascii::trimBlanks(plain(component, lines ? LineBreaks::ToLineFeed : LineBreaks::ToBlank)));
        }
        ++index;
    });
    property.forEachParameter([&](const PropertyParameter& parameter) {
        if (!ascii::equalsUpper(parameter.name, "LABEL"))
            return;
        std::string carets;
        const View label = caretUnescapedText(m_decoder.parameterText(parameter.value), carets);
        m_contact.part(ContactGroup::Address, entry, kAddressFormatted)
            .assign(ascii::trimBlanks(plain(label, LineBreaks::ToLineFeed)));
    });
}

} // namespace cardisto
