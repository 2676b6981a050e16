// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cardisto {

// The product name; also the caption of every box that names none of its own.
inline QString applicationTitle()
{
    return QStringLiteral("Cardisto");
}

inline QString supportAddress()
{
    return QStringLiteral("support@corvane.example");
}

inline QString websiteAddress()
{
    return QStringLiteral("https://www.corvane.example/");
}

inline QString contactPageAddress()
{
    return QStringLiteral("https://www.corvane.example/contact");
}

} // namespace cardisto
