// SPDX-License-Identifier: GPL-3.0-or-later
#include "DelimitedTableText.h"

#include "FormulaGuard.h"
#include "conversion/ContactColumns.h"

namespace cardisto {

DelimitedTableText::DelimitedTableText(Separator separator, bool byteOrderMark)
    : m_separator(separator == Separator::Comma ? ',' : '\t'), m_byteOrderMark(byteOrderMark)
{}

void DelimitedTableText::writeHeader(const ContactColumns& columns)
{
    if (m_byteOrderMark)
        m_text.append("\xEF\xBB\xBF");
    for (int column = 0; column < columns.size(); ++column)
        appendCell(columns.header(column).toStdString(), column == 0);
    m_text.append("\r\n");
}

void DelimitedTableText::writeRow(const ContactColumns& columns, const ContactRow& row, std::string_view source)
{
    for (int column = 0; column < columns.size(); ++column)
        appendCell(columns.cellText(row, source, column, m_scratch), column == 0);
    m_text.append("\r\n");
}

void DelimitedTableText::appendCell(std::string_view text, bool first)
{
    if (!first)
        m_text.push_back(m_separator);
    if (text.empty())
        return; // most cells of a wide table
    bool quoted = false;
    for (const char c : text) {
        if (c == m_separator || c == '"' || c == '\r' || c == '\n') {
            quoted = true;
            break;
        }
    }
    if (quoted)
        m_text.push_back('"');
    if (needsFormulaGuard(text))
        m_text.append(kFormulaGuard);
    if (!quoted) {
        m_text.append(text);
        return;
    }
    // Each double quote doubled.
    size_t from = 0;
    for (size_t quote; (quote = text.find('"', from)) != std::string_view::npos; from = quote + 1) {
        m_text.append(text.substr(from, quote + 1 - from));
        m_text.push_back('"');
    }
    m_text.append(text.substr(from));
    m_text.push_back('"');
}

QByteArray DelimitedTableText::takeBytes()
{
    QByteArray bytes(m_text.data(), qsizetype(m_text.size()));
    m_text.clear();
    return bytes;
}

} // namespace cardisto
