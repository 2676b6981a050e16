// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineNumberHelp.h"

#include <QStringList>

namespace cardisto {

QString lineNumberHelpText()
{
    const QStringList lines = {
        QStringLiteral("If one of the files has this for content:"),
        QString(),
        QStringLiteral("A"),
        QStringLiteral("B"),
        QStringLiteral("C"),
        QStringLiteral("D"),
        QStringLiteral("E"),
        QStringLiteral("F"),
        QStringLiteral("G"),
        QString(),
        QStringLiteral("and your input is: 1,3,4"),
        QString(),
        QStringLiteral("then "),
        QString(),
        QStringLiteral("A"),
        QStringLiteral("C"),
        QStringLiteral("D"),
        QString(),
        QStringLiteral("will be extracted."),
        QString(),
        QStringLiteral("The same lines will be extracted throughout all the files you add to the list."),
    };
    return lines.join(u'\r');
}

} // namespace cardisto
