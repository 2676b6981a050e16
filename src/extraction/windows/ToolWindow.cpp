// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindow.h"

#include "shell/ErrorReport.h"
#include "shell/widgets/ApplicationIcon.h"
#include "shell/widgets/WindowPlacement.h"
#include "shell/widgets/RunStopKey.h"
#include "shell/widgets/WindowColours.h"

#include <QCloseEvent>
#include <QPushButton>
#include <utility>

namespace cardisto {

ToolWindow::ToolWindow(ToolWindowContext& context, QString module, const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_module(std::move(module)), m_stopKey(new RunStopKey(this))
{
    setObjectName(m_module);
    setWindowTitle(caption);
    // The main window's font (a window of its own would take the desktop's).
    setAttribute(Qt::WA_WindowPropagation);
}

Guard ToolWindow::procedureGuard(const QString& procedure)
{
    return Guard(m_context.errorReporter(), ErrorLocation::velmora(m_module, procedure));
}

QPushButton* ToolWindow::addCommandButton(const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setToolTip(caption);
    return button;
}

void ToolWindow::showWithoutModality()
{
    setWindowModality(Qt::NonModal);
    // The first time beside the results list; later where the user left it.
    if (!std::exchange(m_placed, true) && parentWidget())
        placeBesideOwner(this, parentWidget()->window(), m_context.resultsListOnScreen());
    show();
    raise();
    activateWindow();
}

void ToolWindow::applyWindowLook(Guard& loadGuard, const QList<QAbstractButton*>& buttons)
{
    loadGuard(100, [&] { ApplyStandardColours(this); });
    loadGuard(102, [&] { setWindowIcon(applicationIcon()); });
    loadGuard(104, [&] {
        m_pointers.setHandPointer(m_context.handPointer(), QList<QWidget*>(buttons.cbegin(), buttons.cend()));
    });
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
    Guard guard = procedureGuard(QStringLiteral("Form_QueryUnload"));
    bool closing = false;
    guard(100, [&] { closing = m_context.isClosing(); });
    if (closing) {
        event->accept();
        return;
    }
    // Kept loaded, only hidden: the next opening shows what the user left here.
    event->ignore();
    guard(102, [&] { hide(); });
}

} // namespace cardisto
