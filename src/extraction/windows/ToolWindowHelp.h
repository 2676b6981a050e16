// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cardisto {

class Platform;

// The help messages of the two tool windows, shown by the window's own "Help" button and by the
// "Help >" button beside the window's button on the main window. Lines are joined by a lone CR.
QString betweenMarkersHelpText();
QString textSetHelpText();

// A plain box with an OK button, no icon and the application title.
void showBetweenMarkersHelp(Platform& platform);
void showTextSetHelp(Platform& platform);

} // namespace cardisto
