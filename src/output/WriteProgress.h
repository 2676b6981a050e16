// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace cardisto {

// What a window shows while a list is written out: the progress bar's value (0 to 100) and its
// caption, and a chance for pending window events to run. Writers call letEventsRun at most once
// per row; the window decides by elapsed time whether events actually run, so the hook stays cheap.
class WriteProgress {
public:
    virtual ~WriteProgress() = default;
    virtual void setProgressValue(int value) = 0;
    virtual void setProgressCaption(const QString& caption) = 0;
    virtual void letEventsRun() = 0;
};

} // namespace cardisto
