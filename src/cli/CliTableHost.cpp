// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliTableHost.h"

#include "CliMessages.h"

namespace cardisto {

void CliTableHost::showMessage(const QString& text)
{
    ++m_messages;
    writeCliMessage(m_err, QStringLiteral("table"), text);
}

} // namespace cardisto
