// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ContactRow.h"

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace cardisto {

// What one column of the contacts table shows.
struct ContactColumn {
    enum class Kind { Source, Photo, Field, Part };
    Kind kind = Kind::Field;
    ContactField field = ContactField::FirstName;
    ContactGroup group = ContactGroup::Email;
    int entry = 0;
    int part = 0;
};

// The columns of the contacts table in the layout Google Contacts writes and reads: the names,
// the organisation, birthday, notes, an empty "Photo" and the labels, then for N from 1 to the
// largest count of the rows "E-mail N - Label" / "E-mail N - Value", the phones, the addresses
// (label, formatted, street, city, PO box, region, postal code, country, extended address) and
// the websites. With the source shown, a column "Source" with the file's path comes first.
class ContactColumns {
public:
    ContactColumns(bool source, const GroupCounts& counts);

    int size() const { return int(m_columns.size()); }
    const ContactColumn& at(int column) const { return m_columns[size_t(column)]; }
    bool hasSource() const { return m_source; }
    const GroupCounts& counts() const { return m_counts; }

    QString header(int column) const;

    // The text of one cell of a row from the file `source` (UTF-8): empty past the row's count of
    // the column's group, and for the photo; an address without a formatted text of its own gets
    // one made of its parts. A view of the row, of source or of scratch.
    std::string_view cellText(const ContactRow& row, std::string_view source, int column, std::string& scratch) const;

    // The first column of an entry of a group; entries past the count would start there.
    int firstColumnOf(ContactGroup group, int entry) const;

private:
    bool m_source;
    GroupCounts m_counts;
    std::vector<ContactColumn> m_columns;
    std::array<int, kContactGroupCount> m_groupStarts{};
};

// The header of a column, without the layout around it ("E-mail 2 - Value").
QString contactColumnHeader(const ContactColumn& column);

// The formatted text of an address: its own (a LABEL parameter) when it has one, otherwise its
// parts on lines: street, extended address, PO box, then city, region and postal code on one
// line, then country.
std::string_view formattedAddress(const ContactRow& row, int entry, std::string& scratch);

} // namespace cardisto
