// SPDX-License-Identifier: GPL-3.0-or-later
#include "DelimitedTableText.h"

#include "FormulaGuard.h"
#include "conversion/ContactColumns.h"

#include <utility>

namespace cardisto {

DelimitedTableText::DelimitedTableText(Separator separator, bool byteOrderMark)
    : m_separator(separator == Separator::Comma ? ',' : '\t'), m_byteOrderMark(byteOrderMark)
{}

void DelimitedTableText::writeHeader(const ContactColumns& columns)
{
    if (m_byteOrderMark)
        m_bytes.append("\xEF\xBB\xBF");
    for (int column = 0; column < columns.size(); ++column) {
        const QByteArray header = columns.header(column).toUtf8();
        appendCell(std::string_view(header.constData(), size_t(header.size())), column == 0);
    }
    m_bytes.append("\r\n");
}

void DelimitedTableText::writeRow(const ContactColumns& columns, const ContactRow& row, std::string_view source)
{
    for (int column = 0; column < columns.size(); ++column)
        appendCell(columns.cellText(row, source, column, m_scratch), column == 0);
    m_bytes.append("\r\n");
}

void DelimitedTableText::appendCell(std::string_view text, bool first)
{
    if (!first)
        m_bytes.append(m_separator);
    const bool guarded = needsFormulaGuard(text);
    const bool quoted = text.find_first_of(m_separator == ',' ? std::string_view(",\"\r\n")
                                                              : std::string_view("\t\"\r\n")) != std::string_view::npos;
    if (quoted)
        m_bytes.append('"');
    if (guarded)
        m_bytes.append(kFormulaGuard.data(), qsizetype(kFormulaGuard.size()));
    if (!quoted) {
        m_bytes.append(text.data(), qsizetype(text.size()));
        return;
    }
    // Each double quote doubled.
    size_t from = 0;
    for (size_t quote; (quote = text.find('"', from)) != std::string_view::npos; from = quote + 1) {
        m_bytes.append(text.data() + from, qsizetype(quote + 1 - from));
        m_bytes.append('"');
    }
    m_bytes.append(text.data() + from, qsizetype(text.size() - from));
    m_bytes.append('"');
}

QByteArray DelimitedTableText::takeBytes()
{
    return std::exchange(m_bytes, QByteArray());
}

} // namespace cardisto
