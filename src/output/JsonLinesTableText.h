// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ContactTableWriter.h"

#include <QByteArray>
#include <string>

namespace cardisto {

// A contacts table as JSON Lines: one JSON object per contact on a line of its own, ended by LF,
// in UTF-8, no header. Every object has the same keys: "source" first when the columns show it,
// then "firstName", "middleName", "lastName", "phoneticFirstName", "phoneticMiddleName",
// "phoneticLastName", "namePrefix", "nameSuffix", "nickname", "fileAs", "organizationName",
// "organizationTitle", "organizationDepartment", "birthday", "notes" (texts, empty when the contact
// has none), "labels" (a list of texts), and "emails", "phones", "addresses" and "websites": lists
// in file order of objects with "type" (the label) and "value"; an address's value is its
// formatted text, followed by "street", "city", "poBox", "region", "postalCode", "country" and
// "extendedAddress". The bytes gather here until taken.
class JsonLinesTableText final : public ContactTableWriter {
public:
    void writeHeader(const ContactColumns& columns) override;
    void writeRow(const ContactColumns& columns, const ContactRow& row, std::string_view source) override;

    qsizetype pendingSize() const { return m_bytes.size(); }
    QByteArray takeBytes();

private:
    void appendKey(std::string_view key, bool first = false);
    void appendString(std::string_view text);
    void appendEntries(const ContactRow& row, int group);

    QByteArray m_bytes;
    std::string m_scratch;
};

} // namespace cardisto
