// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace cardisto {

// The most data rows one sheet holds below its header row.
inline constexpr qsizetype kSheetDataRows = 1048575;

// A spreadsheet workbook written as an .xlsx file, filled in the order the export works in: a new
// workbook, cell writes by row and column (both counted from 1, row 1 the header row, rows in
// rising order), column fitting, then saving.
//
// Every cell is a text cell, so nothing a cell holds is read as a formula, number or date. The
// header row is bold and stays in view while the rows scroll. Rows beyond what one sheet holds go
// on to a further sheet, which starts with the header row again. The document's properties name
// the program as its author and as the application that wrote it.
// Rows are streamed to temporary storage as they are written, so a large list needs little memory.
//
// Failures throw ProcedureFailure with a readable description. The target file is touched only by
// save(), which replaces it with the finished workbook in one step.
class XlsxWorkbook {
public:
    explicit XlsxWorkbook(qsizetype dataRowsPerSheet = kSheetDataRows);
    ~XlsxWorkbook();
    XlsxWorkbook(const XlsxWorkbook&) = delete;
    XlsxWorkbook& operator=(const XlsxWorkbook&) = delete;

    // Starts an empty workbook that save() will put at path. The workbook is built beside the
    // target, so a folder that cannot be written to is found here, before any cell is written.
    void newWorkbook(const QString& path);

    // Writes a text cell; the text is stored as spreadsheetCellText() gives it.
    void writeCell(qsizetype row, int column, const QString& text);

    // Sets every written column of every sheet to the width of its longest text.
    void fitColumns();

    // Finishes the file and puts it at the path given to newWorkbook(). The file keeps the
    // permissions of the one it replaces; a new one gets those the user's umask gives.
    void save();

    // How many cells were written cut at the cell limit or without characters the format cannot
    // hold (spreadsheetCellText()).
    qsizetype changedCells() const { return m_changedCells; }

private:
    struct Sheet;
    struct State;

    Sheet& sheetForRow(qsizetype row, qsizetype& sheetRow);
    Sheet& addSheet();
    void writeToSheet(Sheet& sheet, qsizetype sheetRow, int column, const QString& cellText);

    qsizetype m_dataRowsPerSheet;
    qsizetype m_changedCells = 0;
    std::unique_ptr<State> m_state;
};

} // namespace cardisto
