// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationIcon.h"

namespace cardisto {

QIcon applicationIcon()
{
    return QIcon(QStringLiteral(":/cardisto/cardisto.png"));
}

} // namespace cardisto
