// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactWorkbook.h"

#include "SpreadsheetExport.h"
#include "XlsxWorkbook.h"
#include "conversion/ContactColumns.h"
#include "shell/ErrorReport.h"

namespace cardisto {

void ContactWorkbookWriter::writeHeader(const ContactColumns& columns)
{
    for (int column = 0; column < columns.size(); ++column)
        m_workbook.writeCell(1, column + 1, columns.header(column));
}

void ContactWorkbookWriter::writeRow(const ContactColumns& columns, const ContactRow& row, std::string_view source)
{
    ++m_row;
    for (int column = 0; column < columns.size(); ++column) {
        const std::string_view text = columns.cellText(row, source, column, m_scratch);
        if (!text.empty())
            m_workbook.writeCell(m_row, column + 1, QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
}

bool writeContactsWorkbook(const QString& path, const ErrorLocation& location, ErrorReporter& reporter,
                           const std::function<void(ContactTableWriter&)>& writeTable, qsizetype* changedCells)
{
    Guard guard(reporter, location);
    XlsxWorkbook workbook;
    ContactWorkbookWriter writer(workbook);
    // Stops at the first failure: one report, and nothing is saved.
    const bool written = guard(kSpreadsheetNew, [&] { workbook.newWorkbook(path); }) &&
                         guard(kSpreadsheetRows, [&] { writeTable(writer); }) &&
                         guard(kSpreadsheetFit, [&] { workbook.fitColumns(); }) &&
                         guard(kSpreadsheetSave, [&] { workbook.save(); });
    if (changedCells)
        *changedCells = workbook.changedCells();
    return written;
}

} // namespace cardisto
