// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClipboardRetry.h"

#include "Platform.h"

#include <exception>

namespace cardisto {

namespace {

// A failing attempt, thrown or returned, only counts as a failure; the caller learns the outcome
// from the result.
template <typename Attempt> bool retry(Attempt&& attempt)
{
    for (int i = 0; i < kClipboardAttempts; ++i) {
        try {
            if (attempt())
                return true;
        } catch (const std::exception&) {
        }
    }
    return false;
}

} // namespace

bool ClearClipboardRetrying(Platform& platform)
{
    return retry([&] { return platform.clearClipboard(); });
}

bool SetClipboardTextRetrying(Platform& platform, const QString& text)
{
    return retry([&] { return platform.setClipboardText(text); });
}

} // namespace cardisto
