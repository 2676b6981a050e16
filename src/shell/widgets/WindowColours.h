// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace cardisto {

// Gives the window, and the check boxes, option buttons, frames, group boxes and labels on it, the
// system's button-face colour as background. Other controls keep their colours.
void ApplyStandardColours(QWidget* window);

} // namespace cardisto
