// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cardisto {

// The worked example behind "Help >" beside "Extract Lines By Number:", its lines joined by single
// carriage returns.
QString lineNumberHelpText();

} // namespace cardisto
