// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ErrorReport.h"

namespace cardisto {

class ContactsTableModel;
class ExtractionHost;

// Where failures of filling the contacts table are reported: ContactsTable.FillTable.
ErrorLocation contactsTableFillLocation();

// Fills the table with the contacts of every listed file, in list order, under the host's run flag:
// the table is emptied, then the files are read on the worker as an extraction reads them, with
// the progress bar, and each piece of contacts goes into the table as it comes, the window getting
// its turns between pieces. An empty list leaves the table empty, with no message. The run ends
// early, keeping what it read, once the host asks it to stop.
void FillContactsTable(ExtractionHost& host, ContactsTableModel& table);

} // namespace cardisto
