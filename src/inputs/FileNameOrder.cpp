// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileNameOrder.h"

namespace cardisto {

QString windowsSortKey(QStringView name)
{
    QString key(name.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i)
        key[i] = name[i].toUpper(); // a unit on its own: "ß" stays one unit, surrogates stay as they are
    return key;
}

} // namespace cardisto
