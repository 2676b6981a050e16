// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactsTableFill.h"

#include "ContactsTableModel.h"
#include "ExtractionRun.h"

namespace cardisto {

using namespace extraction;

ErrorLocation contactsTableFillLocation()
{
    return ErrorLocation::velmora(QStringLiteral("ContactsTable"), QStringLiteral("FillTable"));
}

void FillContactsTable(ExtractionHost& host, ContactsTableModel& table)
{
    const ExtractionRunFlag flag(host);
    if (!flag.started())
        return;
    Guard guard(host.errorReporter(), contactsTableFillLocation());
    guard(100, [&] { table.clear(); });
    forEveryInputFile(host, guard, {102, 104, 106, 108}, PercentStyle::Rounded, FileParts::Contacts,
                      [&](const QString& path, ConvertedFile& piece) {
                          table.appendContacts(std::move(piece.contacts), path);
                          host.yieldToUserInterface();
                      });
    guard(110, [&] { table.commitPendingRows(); });
    guard(112, [&] { resetProgress(host); });
}

} // namespace cardisto
