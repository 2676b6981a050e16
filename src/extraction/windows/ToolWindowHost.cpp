// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindowHost.h"

#include "WindowPointers.h"
#include "shell/widgets/RunStopKey.h"
#include "shell/platform/Platform.h"

namespace cardisto {

void ToolWindowHost::setExtractionRunning(bool running)
{
    m_running = running;
    m_ownPressesAtStart = m_stopKey.presses();
    m_mainPressesAtStart = m_context.mainStopKeyPresses();
    m_options.forget();
    if (running)
        m_report.start(*this);
    else
        m_report.finish(*this);
}

bool ToolWindowHost::stopRequested() const
{
    return m_context.isClosing() || m_stopKey.presses() != m_ownPressesAtStart ||
           m_context.mainStopKeyPresses() != m_mainPressesAtStart;
}

void ToolWindowHost::setBusyPointer(bool busy)
{
    m_pointers.setBusy(busy);
}

void ToolWindowHost::showMessage(const QString& text)
{
    m_context.platform().showMessage(text);
    m_options.forget();
}

} // namespace cardisto
