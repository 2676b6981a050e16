// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WriteProgress.h"
#include "shell/ErrorReport.h"

#include <QString>
#include <functional>

namespace cardisto {

class ContactTableWriter;
class Platform;

// What the contacts table's output commands need from its window: the table (written to a writer,
// eachRow called before every row), the progress bar and a chance for events (WriteProgress), the
// hourglass, the boxes and the error box, and the folder for workbooks.
class ContactsTableOutputHost : public WriteProgress {
public:
    virtual qsizetype tableRowCount() = 0;
    virtual void writeTable(ContactTableWriter& writer, const std::function<void()>& eachRow) = 0;
    virtual void setBusyPointer(bool busy) = 0;
    virtual Platform& platform() = 0;
    virtual ErrorReporter& errorReporter() = 0;
    virtual QString workbookFolder() = 0;
};

// Where the three commands report failures: ContactsTable.SaveAsCsv_Click and so on.
ErrorLocation contactsTableLocation(const QString& procedure);

// The save dialog of "Save As CSV".
QString saveCsvDialogTitle();  // "Save As CSV"
QString saveCsvDialogFilter(); // "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*|"

QString tableCopiedMessage(); // "The contacts table has been copied to the clipboard." CR CR "Click a text area ..."

// "Save As CSV": asks for a file name (used as typed), asks before replacing a file, writes the
// table as CSV (UTF-8 without byte-order mark, as Google Contacts imports it) under the hourglass
// with the progress bar running, then says "Done.". An existing file stays as it was after a
// failure, which is reported once. Returns whether a file was written.
bool SaveContactsTableAsCsv(ContactsTableOutputHost& host);

// "Save As Excel File": writes the table to a new workbook "Cardisto Contacts DATE TIME.xlsx" in
// the workbook folder and opens it, as "Save Results As Excel File" does with the results. An
// empty table does nothing. Returns the path of the workbook written, empty when none was.
QString SaveContactsTableAsExcelFile(ContactsTableOutputHost& host);

// "Copy": puts the table on the clipboard as tab-separated text with its header row, for pasting
// into a spreadsheet, then says so. An empty table does nothing. Returns whether it was copied.
bool CopyContactsTable(ContactsTableOutputHost& host);

} // namespace cardisto
