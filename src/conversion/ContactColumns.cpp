// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactColumns.h"

namespace cardisto {

namespace {

QString fieldHeader(ContactField field)
{
    switch (field) {
    case ContactField::FirstName:
        return QStringLiteral("First Name");
    case ContactField::MiddleName:
        return QStringLiteral("Middle Name");
    case ContactField::LastName:
        return QStringLiteral("Last Name");
    case ContactField::PhoneticFirstName:
        return QStringLiteral("Phonetic First Name");
    case ContactField::PhoneticMiddleName:
        return QStringLiteral("Phonetic Middle Name");
    case ContactField::PhoneticLastName:
        return QStringLiteral("Phonetic Last Name");
    case ContactField::NamePrefix:
        return QStringLiteral("Name Prefix");
    case ContactField::NameSuffix:
        return QStringLiteral("Name Suffix");
    case ContactField::Nickname:
        return QStringLiteral("Nickname");
    case ContactField::FileAs:
        return QStringLiteral("File As");
    case ContactField::OrganizationName:
        return QStringLiteral("Organization Name");
    case ContactField::OrganizationTitle:
        return QStringLiteral("Organization Title");
    case ContactField::OrganizationDepartment:
        return QStringLiteral("Organization Department");
    case ContactField::Birthday:
        return QStringLiteral("Birthday");
    case ContactField::Notes:
        return QStringLiteral("Notes");
    case ContactField::Labels:
        return QStringLiteral("Labels");
    }
    return {};
}

QString groupHeader(ContactGroup group)
{
    switch (group) {
    case ContactGroup::Email:
        return QStringLiteral("E-mail");
    case ContactGroup::Phone:
        return QStringLiteral("Phone");
    case ContactGroup::Address:
        return QStringLiteral("Address");
    case ContactGroup::Website:
        return QStringLiteral("Website");
    }
    return {};
}

QString partHeader(ContactGroup group, int part)
{
    if (group != ContactGroup::Address)
        return part == kLabelPart ? QStringLiteral("Label") : QStringLiteral("Value");
    static const QString kAddressParts[] = {
        QStringLiteral("Label"),       QStringLiteral("Formatted"), QStringLiteral("Street"),
        QStringLiteral("City"),        QStringLiteral("PO Box"),    QStringLiteral("Region"),
        QStringLiteral("Postal Code"), QStringLiteral("Country"),   QStringLiteral("Extended Address"),
    };
    return kAddressParts[part];
}

void appendLine(std::string& text, std::string_view line)
{
    if (line.empty())
        return;
    if (!text.empty())
        text.push_back('\n');
    text.append(line);
}

} // namespace

ContactColumns::ContactColumns(bool source, const GroupCounts& counts) : m_source(source), m_counts(counts)
{
    if (source)
        m_columns.push_back({ContactColumn::Kind::Source});
    for (int field = 0; field < kContactFieldCount; ++field) {
        // As Google lays it out, the photo sits between the notes and the labels.
        if (ContactField(field) == ContactField::Labels)
            m_columns.push_back({ContactColumn::Kind::Photo});
        m_columns.push_back({ContactColumn::Kind::Field, ContactField(field)});
    }
    for (const ContactGroup group : kContactGroups) {
        m_groupStarts[size_t(group)] = size();
        for (int entry = 0; entry < counts[size_t(group)]; ++entry) {
            for (int part = 0; part < partCount(group); ++part)
                m_columns.push_back({ContactColumn::Kind::Part, ContactField::FirstName, group, entry, part});
        }
    }
}

QString contactColumnHeader(const ContactColumn& column)
{
    switch (column.kind) {
    case ContactColumn::Kind::Source:
        return QStringLiteral("Source");
    case ContactColumn::Kind::Photo:
        return QStringLiteral("Photo");
    case ContactColumn::Kind::Field:
        return fieldHeader(column.field);
    case ContactColumn::Kind::Part:
        return QStringLiteral("%1 %2 - %3")
            .arg(groupHeader(column.group))
            .arg(column.entry + 1)
            .arg(partHeader(column.group, column.part));
    }
    return {};
}

QString ContactColumns::header(int column) const
{
    return contactColumnHeader(at(column));
}

int ContactColumns::firstColumnOf(ContactGroup group, int entry) const
{
    return m_groupStarts[size_t(group)] + entry * partCount(group);
}

std::string_view ContactColumns::cellText(const ContactRow& row, std::string_view source, int column,
                                          std::string& scratch) const
{
    const ContactColumn& c = at(column);
    switch (c.kind) {
    case ContactColumn::Kind::Source:
        return source;
    case ContactColumn::Kind::Photo:
        return {};
    case ContactColumn::Kind::Field:
        return row.field(c.field);
    case ContactColumn::Kind::Part:
        if (c.entry >= row.count(c.group))
            return {};
        if (c.group == ContactGroup::Address && c.part == kAddressFormatted)
            return formattedAddress(row, c.entry, scratch);
        return row.part(c.group, c.entry, c.part);
    }
    return {};
}

std::string_view formattedAddress(const ContactRow& row, int entry, std::string& scratch)
{
    const auto part = [&](int p) {
        return row.part(ContactGroup::Address, entry, p);
    };
    if (!part(kAddressFormatted).empty())
        return part(kAddressFormatted);
    scratch.clear();
    appendLine(scratch, part(kAddressStreet));
    appendLine(scratch, part(kAddressExtended));
    appendLine(scratch, part(kAddressPoBox));
    std::string place;
    for (const int p : {kAddressCity, kAddressRegion, kAddressPostalCode}) {
        if (part(p).empty())
            continue;
        if (!place.empty())
            place.push_back(' ');
        place.append(part(p));
    }
    appendLine(scratch, place);
    appendLine(scratch, part(kAddressCountry));
    return scratch;
}

} // namespace cardisto
