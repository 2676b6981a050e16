// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cardisto {

class Platform;

// Another program may hold the clipboard for a moment; these helpers try again at once, up to this
// many attempts in all, and never show a message.
inline constexpr int kClipboardAttempts = 1000;

// Empties the clipboard; true when an attempt succeeded.
bool ClearClipboardRetrying(Platform& platform);

// Puts plain text on the clipboard; true when an attempt succeeded.
bool SetClipboardTextRetrying(Platform& platform, const QString& text);

} // namespace cardisto
