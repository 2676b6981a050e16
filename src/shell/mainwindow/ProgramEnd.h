// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <chrono>

class QWidget;

namespace cardisto {

class ResultsModel;

// How long what still runs when the main window closes may take to notice and unwind.
inline constexpr std::chrono::milliseconds kClosingGrace{300};

// Closing the main window ends the program at once, whatever runs. The runs and the folder scan
// see the closing window at their next line or folder and unwind, so the event loop returns; what
// does not get there within the grace time (a file being written, say) is cut short by ending the
// process. The settings store is written at every change, so nothing is lost.
class ProgramEnd final : public QObject {
    Q_OBJECT
public:
    explicit ProgramEnd(QWidget* mainWindow, std::chrono::milliseconds grace = kClosingGrace);

    // What main() returns once the event loop has ended. The main window's results are left for
    // the system to take back (see ResultsModel::leaveRowsToProgramEnd). A conversion that a
    // stopped run left to finish on its own is not waited for: the process ends here.
    static int finish(int exitCode, ResultsModel& results);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::chrono::milliseconds m_grace;
};

} // namespace cardisto
