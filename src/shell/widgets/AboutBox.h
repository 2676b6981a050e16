// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cardisto {

class Platform;

// The About box: the program's name and version, its licence and the Qt version it runs on.
QString aboutBoxCaption(); // "About Cardisto"
QString aboutBoxText();
void showAboutBox(Platform& platform);

} // namespace cardisto
