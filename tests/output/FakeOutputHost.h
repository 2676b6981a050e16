// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/ResultsOutputHost.h"
#include "shell/platform/GuiErrorReporter.h"
#include "support/FakePlatform.h"

#include <QAbstractItemModel>
#include <QStringList>
#include <functional>

namespace cardisto::test {

// Stands in for the main window under the output commands. Everything the user would see is kept
// in one trace, in order: "value N" and "caption TEXT" for the progress bar, "busy" and "idle" for
// the pointer, "box TEXT" for any box (error boxes included), "note TEXT" for the status bar. A
// test's action runs whenever the
// command lets events run, as a user pressing buttons meanwhile would.
class FakeOutputHost final : public ResultsOutputHost {
public:
    explicit FakeOutputHost(QAbstractItemModel& list, QString workbookFolder = {})
        : m_list(list), m_workbookFolder(std::move(workbookFolder))
    {
        platformDouble.whileBoxShows = [this](const FakePlatform::Box& box) {
            trace.append("box " + box.text);
        };
    }

    const QAbstractItemModel& resultsList() override { return m_list; }
    void setBusyPointer(bool busy) override { trace.append(busy ? QStringLiteral("busy") : QStringLiteral("idle")); }
    Platform& platform() override { return platformDouble; }
    ErrorReporter& errorReporter() override { return m_reporter; }
    QString workbookFolder() override { return m_workbookFolder; }
    void showStatusNote(const QString& note) override { trace.append(QStringLiteral("note ") + note); }

    void setProgressValue(int value) override { trace.append(QStringLiteral("value %1").arg(value)); }
    void setProgressCaption(const QString& caption) override { trace.append(QStringLiteral("caption ") + caption); }
    void letEventsRun() override
    {
        ++eventRuns;
        if (whileEventsRun)
            whileEventsRun(eventRuns);
    }

    // The trace entries that start with prefix, in order.
    QStringList traced(const QString& prefix) const
    {
        QStringList result;
        for (const QString& entry : trace) {
            if (entry.startsWith(prefix))
                result.append(entry);
        }
        return result;
    }

    FakePlatform platformDouble;
    QStringList trace;
    int eventRuns = 0;
    // Called with the number of the chance for events, counted from 1.
    std::function<void(int)> whileEventsRun;

private:
    QAbstractItemModel& m_list;
    QString m_workbookFolder;
    GuiErrorReporter m_reporter{platformDouble};
};

} // namespace cardisto::test
