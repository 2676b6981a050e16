// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace cardisto {

class ContactColumns;
class ContactRow;

// Writes a contacts table out as the rows come: the header row once, then one row per contact.
// The columns are fixed before the header; source is the path of the contact's file (UTF-8),
// used when the columns show it.
class ContactTableWriter {
public:
    virtual ~ContactTableWriter() = default;
    virtual void writeHeader(const ContactColumns& columns) = 0;
    virtual void writeRow(const ContactColumns& columns, const ContactRow& row, std::string_view source) = 0;
};

} // namespace cardisto
