// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/ResultsOutputHost.h"

#include <QList>

namespace cardisto {

class MainWindowLink;
struct Form1Controls;

// What the output commands of the main window work with: its results list, progress bar, pointer,
// boxes and error box, and the user's documents folder for exported workbooks.
class MainOutputHost final : public ResultsOutputHost {
public:
    explicit MainOutputHost(MainWindowLink& link) : m_link(link) {}

    // Rows an extraction has added but the view has not shown yet are shown first.
    const QAbstractItemModel& resultsList() override;
    // Puts back the pointer it found: a command pressed during an extraction leaves its hourglass.
    void setBusyPointer(bool busy) override;
    Platform& platform() override;
    ErrorReporter& errorReporter() override;
    QString workbookFolder() override;
    void showStatusNote(const QString& note) override;

    void setProgressValue(int value) override;
    void setProgressCaption(const QString& caption) override;
    void letEventsRun() override;

private:
    MainWindowLink& m_link;
    QList<bool> m_busyBefore;
};

// Wires "Save Results As Text File" (PushButton6), "Save Results As Excel File" (PushButton12) and
// "Copy Results To Clipboard" (PushButton18) to the output commands.
void connectOutputCommands(MainWindowLink& link, const Form1Controls& controls);

} // namespace cardisto
