// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsListCommands.h"

#include "ListKeyboard.h"
#include "MainWindowLink.h"
#include "ReportListView.h"
#include "extraction/ResultsModel.h"

#include <QTableView>

namespace cardisto {

void ResultsListCommands::removeSelectedRow()
{
    if (m_link.isBusy() || m_link.results().totalRowCount() == 0)
        return;
    const int row = selectedRow(m_view);
    if (row < 0)
        return;
    m_link.results().removeRowAt(row);
    selectRowAfterRemoval(m_view, row);
}

void ResultsListCommands::clearResultsList()
{
    Guard guard = m_link.procedureGuard(QStringLiteral("PushButton9_Click"));
    guard(100, [&] { m_link.results().removeAllRows(); });
}

} // namespace cardisto
