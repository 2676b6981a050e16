// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace cardisto {

// The program's icon (a contact card with lines taken out of it), built into the program.
QIcon applicationIcon();

} // namespace cardisto
