// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/WriteProgress.h"

#include <QStringList>

namespace cardisto::test {

// Keeps what the progress bar was told, in order: "value N" and "caption TEXT".
class RecordingProgress final : public WriteProgress {
public:
    void setProgressValue(int value) override { steps.append(QStringLiteral("value %1").arg(value)); }
    void setProgressCaption(const QString& caption) override { steps.append(QStringLiteral("caption ") + caption); }
    void letEventsRun() override { ++eventRuns; }

    QStringList steps;
    int eventRuns = 0;
};

} // namespace cardisto::test
