// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversion/ContactColumns.h"
#include "conversion/PackedContacts.h"

#include <QStringList>

namespace cardisto::test {

// Every contact as its cells that are not empty, "Header=text" joined by " | ", in the columns the
// contacts give (without a source column). A line break in a text shows as "\n".
inline QStringList contactCells(const PackedContacts& contacts)
{
    const ContactColumns columns(false, contacts.largestCounts());
    QStringList shown;
    ContactRow row;
    std::string scratch;
    for (qsizetype i = 0; i < contacts.size(); ++i) {
        contacts.rowAt(i, row);
        QStringList cells;
        for (int column = 0; column < columns.size(); ++column) {
            const std::string_view text = columns.cellText(row, {}, column, scratch);
            if (!text.empty())
                cells.append(
                    columns.header(column) + u'=' +
                    QString::fromUtf8(text.data(), qsizetype(text.size())).replace(u'\n', QStringLiteral("\\n")));
        }
        shown.append(cells.join(QStringLiteral(" | ")));
    }
    return shown;
}

// A vCard file of these lines, each ended by CR LF, in UTF-8.
inline QByteArray vcardBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

} // namespace cardisto::test
