#include "ResultsListCommands.h"

#include "MainWindowLink.h"
#include "extraction/ResultsModel.h"
#include "shell/ErrorReport.h"

#include <QItemSelectionModel>
#include <QTableView>

namespace cardisto {

void ResultsListCommands::removeSelectedRow()
{
    if (m_link.isBusy() || m_link.results().totalRowCount() == 0)
        return;
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    if (!rows.isEmpty())
        m_link.results().removeRowAt(rows.constFirst().row());
}

void ResultsListCommands::clearResultsList()
{
    Guard guard(m_link.errorReporter(),
                ErrorLocation::velmora(QStringLiteral("Form1"), QStringLiteral("PushButton9_Click")));
    guard(100, [&] { m_link.results().removeAllRows(); });
}

} // namespace cardisto
