// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ContactTableWriter.h"

#include <QtGlobal>
#include <functional>
#include <string>

class QString;

namespace cardisto {

class ErrorLocation;
class ErrorReporter;
class XlsxWorkbook;

// A contacts table as the rows of a workbook: the header in row 1 (bold, kept in view), then a row
// per contact, every cell a text cell, so that nothing in a vCard is read as a formula, number or
// date. Cells are cleaned of what a workbook cannot hold as the workbook export cleans them.
class ContactWorkbookWriter final : public ContactTableWriter {
public:
    explicit ContactWorkbookWriter(XlsxWorkbook& workbook) : m_workbook(workbook) {}

    void writeHeader(const ContactColumns& columns) override;
    void writeRow(const ContactColumns& columns, const ContactRow& row, std::string_view source) override;

private:
    XlsxWorkbook& m_workbook;
    qsizetype m_row = 1;
    std::string m_scratch;
};

// Writes a workbook at path with what writeTable writes (the header and the rows), then fits the
// columns and saves it. A failure is reported once at location, with the number of the export's
// failing statement (SpreadsheetStatement), and an existing file at path is left as it was;
// returns false then. changedCells, when given, receives how many cells were cut or cleaned.
bool writeContactsWorkbook(const QString& path, const ErrorLocation& location, ErrorReporter& reporter,
                           const std::function<void(ContactTableWriter&)>& writeTable,
                           qsizetype* changedCells = nullptr);

} // namespace cardisto
