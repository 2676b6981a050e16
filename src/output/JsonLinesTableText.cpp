// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonLinesTableText.h"

#include "conversion/ContactColumns.h"

#include <array>
#include <utility>

namespace cardisto {

namespace {

constexpr std::array<std::string_view, kContactFieldCount> kFieldKeys{
    "firstName",
    "middleName",
    "lastName",
    "phoneticFirstName",
    "phoneticMiddleName",
    "phoneticLastName",
    "namePrefix",
    "nameSuffix",
    "nickname",
    "fileAs",
    "organizationName",
    "organizationTitle",
    "organizationDepartment",
    "birthday",
    "notes",
    "labels",
};

constexpr std::array<std::string_view, kContactGroupCount> kGroupKeys{"emails", "phones", "addresses", "websites"};

// The keys of an address's parts after "type" and "value", in the order of AddressPart.
constexpr std::array<std::string_view, 9> kAddressKeys{
    "type", "value", "street", "city", "poBox", "region", "postalCode", "country", "extendedAddress",
};

// The separator Google puts between the labels of a contact in its one column.
constexpr std::string_view kLabelSeparator = " ::: ";

} // namespace

void JsonLinesTableText::writeHeader(const ContactColumns&)
{
    // JSON Lines has no header: every object names its keys.
}

void JsonLinesTableText::writeRow(const ContactColumns& columns, const ContactRow& row, std::string_view source)
{
    m_bytes.append('{');
    bool first = true;
    if (columns.hasSource()) {
        appendKey("source", true);
        appendString(source);
        first = false;
    }
    for (int field = 0; field < kContactFieldCount; ++field) {
        appendKey(kFieldKeys[size_t(field)], first);
        first = false;
        const std::string_view text = row.field(ContactField(field));
        if (ContactField(field) != ContactField::Labels) {
            appendString(text);
            continue;
        }
        m_bytes.append('[');
        for (size_t from = 0; from < text.size();) {
            const size_t end = std::min(text.find(kLabelSeparator, from), text.size());
            if (from > 0)
                m_bytes.append(',');
            appendString(text.substr(from, end - from));
            from = end + kLabelSeparator.size();
        }
        m_bytes.append(']');
    }
    for (int group = 0; group < kContactGroupCount; ++group)
        appendEntries(row, group);
    m_bytes.append("}\n");
}

void JsonLinesTableText::appendEntries(const ContactRow& row, int group)
{
    const ContactGroup g = ContactGroup(group);
    appendKey(kGroupKeys[size_t(group)]);
    m_bytes.append('[');
    for (int entry = 0; entry < row.count(g); ++entry) {
        if (entry > 0)
            m_bytes.append(',');
        m_bytes.append('{');
        for (int part = 0; part < partCount(g); ++part) {
            appendKey(kAddressKeys[size_t(part)], part == 0);
            if (g == ContactGroup::Address && part == kAddressFormatted)
                appendString(formattedAddress(row, entry, m_scratch));
            else
                appendString(row.part(g, entry, part));
        }
        m_bytes.append('}');
    }
    m_bytes.append(']');
}

void JsonLinesTableText::appendKey(std::string_view key, bool first)
{
    if (!first)
        m_bytes.append(',');
    m_bytes.append('"');
    m_bytes.append(key.data(), qsizetype(key.size()));
    m_bytes.append("\":");
}

void JsonLinesTableText::appendString(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    m_bytes.append('"');
    size_t plainFrom = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte != '"' && byte != '\\')
            continue;
        m_bytes.append(text.data() + plainFrom, qsizetype(i - plainFrom));
        plainFrom = i + 1;
        if (byte == '"' || byte == '\\') {
            m_bytes.append('\\');
            m_bytes.append(char(byte));
        } else if (byte == '\n') {
            m_bytes.append("\\n");
        } else if (byte == '\r') {
            m_bytes.append("\\r");
        } else if (byte == '\t') {
            m_bytes.append("\\t");
        } else {
            m_bytes.append("\\u00");
            m_bytes.append(kHex[byte >> 4]);
            m_bytes.append(kHex[byte & 0xF]);
        }
    }
    m_bytes.append(text.data() + plainFrom, qsizetype(text.size() - plainFrom));
    m_bytes.append('"');
}

QByteArray JsonLinesTableText::takeBytes()
{
    return std::exchange(m_bytes, QByteArray());
}

} // namespace cardisto
