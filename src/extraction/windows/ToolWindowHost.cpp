#include "ToolWindowHost.h"

#include "WindowPointers.h"
#include "shell/platform/Platform.h"

namespace cardisto {

void ToolWindowHost::setBusyPointer(bool busy)
{
    m_pointers.setBusy(busy);
}

void ToolWindowHost::showMessage(const QString& text)
{
    m_context.platform().showMessage(text);
}

} // namespace cardisto
