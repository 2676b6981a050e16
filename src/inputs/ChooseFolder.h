// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cardisto {

class Platform;

// "Please select folder:"
QString chooseFolderTitle();

// Shows the platform's folder browser with the title, the start folder selected; returns the chosen
// folder's full path, or empty text when the user cancels.
QString ChooseFolder(Platform& platform, const QString& title, const QString& startFolder);

} // namespace cardisto
