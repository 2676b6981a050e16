// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cardisto {

class Platform;

// "Questions? Please contact Team Corvane at " and the contact page's address.
QString helpBoxText();

// The main window's Help box: OK, the application title as caption, and a button that leads on to
// the About box.
void showHelpBox(Platform& platform);

} // namespace cardisto
