// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WriteProgress.h"

#include <QString>

class QAbstractItemModel;

namespace cardisto {

class ErrorReporter;
class Platform;

// What the output commands (save as text file, export to a spreadsheet, copy to the clipboard) need
// from the window whose results they write out. The progress bar and the chance for events to run
// come from WriteProgress: letEventsRun() is called once per row and must stay cheap (the window
// lets events run by elapsed time).
class ResultsOutputHost : public WriteProgress {
public:
    // The results list. Every row the list holds must be visible through the model API by the
    // time this returns (rows still waiting to be shown are shown first).
    virtual const QAbstractItemModel& resultsList() = 0;
    // The hourglass pointer of the window.
    virtual void setBusyPointer(bool busy) = 0;
    virtual Platform& platform() = 0;
    virtual ErrorReporter& errorReporter() = 0;
    // The folder exported workbooks are put in; defaultWorkbookFolder() suits a window.
    virtual QString workbookFolder() = 0;
    // A note on what the command did, beside the window's counts (its status bar): what the user
    // should know but need not answer.
    virtual void showStatusNote(const QString& note) = 0;
};

// Shows the hourglass for as long as it lives.
class BusyPointer {
public:
    explicit BusyPointer(ResultsOutputHost& host) : m_host(&host) { m_host->setBusyPointer(true); }
    ~BusyPointer() { release(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    // Back to the default pointer now, before a closing message box.
    void release()
    {
        if (m_host)
            m_host->setBusyPointer(false);
        m_host = nullptr;
    }

private:
    ResultsOutputHost* m_host;
};

} // namespace cardisto
