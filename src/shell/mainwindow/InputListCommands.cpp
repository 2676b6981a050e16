#include "InputListCommands.h"

#include "MainWindowLink.h"
#include "inputs/InputFileList.h"
#include "shell/ErrorReport.h"
#include "shell/platform/Platform.h"

#include <QKeyEvent>
#include <QTableView>

namespace cardisto {

namespace {

Guard form1Guard(MainWindowLink& link, const char* procedure)
{
    return Guard(link.errorReporter(), ErrorLocation::velmora(QStringLiteral("Form1"), QString::fromLatin1(procedure)));
}

// The one selected row of a report view, or -1.
int selectedRow(const QTableView* view)
{
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

} // namespace

InputListCommands::InputListCommands(MainWindowLink& link, QTableView* view) : QObject(view), m_link(link), m_view(view)
{
    m_view->installEventFilter(this);
}

void InputListCommands::addFiles()
{
    Guard guard = form1Guard(m_link, "PushButton1_Click");
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
    Guard guard = form1Guard(m_link, containing ? "PushButton3_Click" : "PushButton11_Click");
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
    Guard guard = form1Guard(m_link, "PushButton14_Click");
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
    if (row >= 0)
        m_link.inputFiles().removeAt(row);
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
