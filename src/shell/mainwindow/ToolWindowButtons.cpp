// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindowButtons.h"

#include "Form1Controls.h"
#include "extraction/windows/ContactsTableWindow.h"
#include "extraction/windows/Form2.h"
#include "extraction/windows/Form3.h"
#include "extraction/windows/ToolWindowHelp.h"

#include <QPushButton>

namespace cardisto {

ToolWindowButtons::ToolWindowButtons(MainWindowLink& link, const Form1Controls& controls)
    : QObject(link.mainWindow()), m_link(link), m_context(link, controls.Check14)
{
    connect(controls.PushButton4, &QPushButton::clicked, this, &ToolWindowButtons::PushButton4_Click);
    connect(controls.PushButton16, &QPushButton::clicked, this, &ToolWindowButtons::PushButton16_Click);
    connect(controls.PushButton15, &QPushButton::clicked, this, &ToolWindowButtons::PushButton15_Click);
    connect(controls.PushButton17, &QPushButton::clicked, this, &ToolWindowButtons::PushButton17_Click);
    connect(controls.PushButton24, &QPushButton::clicked, this, &ToolWindowButtons::PushButton24_Click);
}

template <typename Window> void ToolWindowButtons::openToolWindow(QPointer<Window>& window, const QString& procedure)
{
    Guard guard = m_link.procedureGuard(procedure);
    guard(100, [&] {
        if (!window)
            window = new Window(m_context, m_link.mainWindow());
        window->showWithoutModality();
    });
}

void ToolWindowButtons::showToolWindowHelp(const QString& procedure, void (*showHelp)(Platform&))
{
    Guard guard = m_link.procedureGuard(procedure);
    guard(100, [&] { showHelp(m_link.platform()); });
}

void ToolWindowButtons::PushButton4_Click()
{
    openToolWindow(m_form2, QStringLiteral("PushButton4_Click"));
}

void ToolWindowButtons::PushButton16_Click()
{
    showToolWindowHelp(QStringLiteral("PushButton16_Click"), showBetweenMarkersHelp);
}

void ToolWindowButtons::PushButton15_Click()
{
    openToolWindow(m_form3, QStringLiteral("PushButton15_Click"));
}

void ToolWindowButtons::PushButton17_Click()
{
    showToolWindowHelp(QStringLiteral("PushButton17_Click"), showTextSetHelp);
}

void ToolWindowButtons::PushButton24_Click()
{
    openToolWindow(m_contactsTable, QStringLiteral("PushButton24_Click"));
}

} // namespace cardisto
