// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputListCommands.h"

#include "ListKeyboard.h"
#include "MainWindowLink.h"
#include "ReportListView.h"
#include "inputs/InputFileList.h"
#include "shell/platform/Platform.h"

#include <QKeyEvent>
#include <QTableView>

namespace cardisto {

InputListCommands::InputListCommands(MainWindowLink& link, QTableView* view) : QObject(view), m_link(link), m_view(view)
{
    m_view->installEventFilter(this);
}

void InputListCommands::addFiles()
{
    Guard guard = m_link.procedureGuard(QStringLiteral("PushButton1_Click"));
    FileSelection selection;
    guard(100, [&] {
        selection =
            m_link.platform().chooseFilesToOpen(addFilesDialogTitle(), QStringLiteral("VCF Files (*.vcf)|*.vcf|"));
    });
    if (selection.isTooManyFiles()) {
        guard(102, [&] { m_link.platform().showMessage(tooManyFilesMessage()); });
        return;
    }
    if (selection.isCancelled())
        return;
    guard(104, [&] { m_link.inputFiles().append(selection.paths()); });
}

void InputListCommands::removeFilesContaining()
{
    removeByFilter(true);
}

void InputListCommands::removeFilesNotContaining()
{
    removeByFilter(false);
}

void InputListCommands::removeByFilter(bool containing)
{
    Guard guard =
        m_link.procedureGuard(containing ? QStringLiteral("PushButton3_Click") : QStringLiteral("PushButton11_Click"));
    QString filter;
    guard(100, [&] {
        filter = m_link.platform().inputBox(containing ? QStringLiteral("Remove entries containing: ")
                                                       : QStringLiteral("Remove entries not containing: "));
    });
    if (filter.isEmpty())
        return;
    guard(102, [&] { m_link.setBusy(true); });
    guard(104, [&] {
        m_link.inputFiles().removeByFilter(filter, containing ? FilterSense::Containing : FilterSense::NotContaining);
    });
    guard(106, [&] { m_link.setBusy(false); });
}

void InputListCommands::clearList()
{
    Guard guard = m_link.procedureGuard(QStringLiteral("PushButton14_Click"));
    guard(100, [&] {
        if (!m_link.isBusy())
            m_link.inputFiles().clear();
    });
}

void InputListCommands::removeSelectedRow()
{
    if (m_link.isBusy() || m_link.inputFiles().count() == 0)
        return;
    const int row = selectedRow(m_view);
    if (row < 0)
        return;
    m_link.inputFiles().removeAt(row);
    selectRowAfterRemoval(m_view, row);
}

bool InputListCommands::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeSelectedRow();
        return true;
    }
    return false;
}

} // namespace cardisto
