// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cardisto {

// The caption of the main window's progress bar at rest: when the window opens and after every
// command that ran it.
inline QString restingProgressCaption()
{
    return QStringLiteral("Progress Bar");
}

} // namespace cardisto
