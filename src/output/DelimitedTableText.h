// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ContactTableWriter.h"

#include <QByteArray>
#include <string>

namespace cardisto {

// A contacts table as delimited text in UTF-8, each row ended by CR LF: CSV as RFC 4180 writes it
// (a cell holding a comma, a double quote or a line break in double quotes, its double quotes
// doubled), or TSV as spreadsheets write it (the same with tabs). A cell a spreadsheet would take
// for a formula gets the formula guard in front (FormulaGuard.h). The bytes gather here until
// taken, so the caller decides when to write them.
class DelimitedTableText final : public ContactTableWriter {
public:
    enum class Separator { Comma, Tab };

    // byteOrderMark: the text starts with the UTF-8 byte-order mark, which Excel needs to read a
    // CSV file as UTF-8 (and Google's import stumbles on).
    DelimitedTableText(Separator separator, bool byteOrderMark);

    void writeHeader(const ContactColumns& columns) override;
    void writeRow(const ContactColumns& columns, const ContactRow& row, std::string_view source) override;

    // The bytes gathered since the last take.
    qsizetype pendingSize() const { return qsizetype(m_text.size()); }
    QByteArray takeBytes();

private:
    void appendCell(std::string_view text, bool first);

    char m_separator;
    bool m_byteOrderMark;
    std::string m_text; // keeps its room when taken: most rows fit in what the last ones needed
    std::string m_scratch;
};

} // namespace cardisto
