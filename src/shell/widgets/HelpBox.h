#pragma once

#include <QString>

namespace cardisto {

class Platform;

// "Questions? Please contact Team Corvane at " and the contact page's address.
QString helpBoxText();

// The main window's Help box: OK only, the application title as caption.
void showHelpBox(Platform& platform);

} // namespace cardisto
