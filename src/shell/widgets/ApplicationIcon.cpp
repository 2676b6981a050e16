#include "ApplicationIcon.h"

namespace cardisto {

QIcon applicationIcon()
{
    return QIcon(QStringLiteral(":/cardisto/cardisto.png"));
}

} // namespace cardisto
