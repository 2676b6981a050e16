#include "ToolWindowButtons.h"

#include "Form1Controls.h"
#include "extraction/windows/Form2.h"
#include "extraction/windows/Form3.h"
#include "extraction/windows/ToolWindowHelp.h"
#include "shell/ErrorReport.h"

#include <QPushButton>

namespace cardisto {

namespace {

ErrorLocation form1Location(const QString& procedure)
{
    return ErrorLocation::velmora(QStringLiteral("Form1"), procedure);
}

} // namespace

ToolWindowButtons::ToolWindowButtons(MainWindowLink& link, const Form1Controls& controls)
    : QObject(link.mainWindow()), m_link(link), m_context(link)
{
    connect(controls.PushButton4, &QPushButton::clicked, this, &ToolWindowButtons::PushButton4_Click);
    connect(controls.PushButton16, &QPushButton::clicked, this, &ToolWindowButtons::PushButton16_Click);
    connect(controls.PushButton15, &QPushButton::clicked, this, &ToolWindowButtons::PushButton15_Click);
    connect(controls.PushButton17, &QPushButton::clicked, this, &ToolWindowButtons::PushButton17_Click);
}

void ToolWindowButtons::PushButton4_Click()
{
    Guard guard(m_link.errorReporter(), form1Location(QStringLiteral("PushButton4_Click")));
    guard(100, [&] {
        if (!m_form2)
            m_form2 = new Form2(m_context, m_link.mainWindow());
        m_form2->showWithoutModality();
    });
}

void ToolWindowButtons::PushButton16_Click()
{
    Guard guard(m_link.errorReporter(), form1Location(QStringLiteral("PushButton16_Click")));
    guard(100, [&] { showBetweenMarkersHelp(m_link.platform()); });
}

void ToolWindowButtons::PushButton15_Click()
{
    Guard guard(m_link.errorReporter(), form1Location(QStringLiteral("PushButton15_Click")));
    guard(100, [&] {
        if (!m_form3)
            m_form3 = new Form3(m_context, m_link.mainWindow());
        m_form3->showWithoutModality();
    });
}

void ToolWindowButtons::PushButton17_Click()
{
    Guard guard(m_link.errorReporter(), form1Location(QStringLiteral("PushButton17_Click")));
    guard(100, [&] { showTextSetHelp(m_link.platform()); });
}

} // namespace cardisto
