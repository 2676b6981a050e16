// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiErrorReporter.h"

#include "Platform.h"

namespace cardisto {

void GuiErrorReporter::reportApplicationError(const ErrorLocation& location, int line, const QString& description)
{
    m_platform.showErrorBox(errorBoxText(description, location, line));
}

} // namespace cardisto
