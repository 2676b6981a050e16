// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversion/ConversionChoice.h"
#include "extraction/AddRule.h"
#include "shell/ErrorReport.h"

#include <QCursor>
#include <QRect>
#include <QString>

class QWidget;

namespace cardisto {

class InputFileList;
class Platform;
class ProgramFolder;
class ResultsModel;
class SettingsStore;

// What the main window shares with the tool windows and the output commands. They work on the
// main window's lists, options and progress bar directly, never on copies, and they read
// everything at the moment they need it. Header only, so any library can take one.
class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;

    // The input file list (ListView1) and the results list (ListView2).
    virtual InputFileList& inputFiles() = 0;
    virtual ResultsModel& results() = 0;

    // "All Fields" or "Some Fields:" with the ticked field groups, as the controls show it now.
    virtual ConversionChoice conversionChoice() const = 0;
    // "Remove duplicate results" (Check1) and "Show source filename next to extracted text" (Check14).
    virtual ExtractionOptions extractionOptions() const = 0;

    // ProgressBar1: a value from 0 to 100 and the caption shown on the bar ("Progress Bar" at rest).
    virtual void setProgress(int value, const QString& caption) = 0;
    virtual void setProgressValue(int value) = 0;
    virtual void setProgressCaption(const QString& caption) = 0;
    // An All Fields conversion assembling its values (position from 0 to last): moves the bar and
    // lets events run, both no more often than the yield interval allows.
    virtual void showAssemblyProgress(qsizetype position, qsizetype last) = 0;

    // Lets pending window events run once the yield interval has passed since the last turn; cheap
    // enough to call for every line. Rows added to the results list reach the view at each turn.
    virtual void yieldToUserInterface() = 0;
    // Whether yieldToUserInterface() would let events run now (it reads a clock).
    virtual bool yieldIsDue() const { return true; }
    // The same turn, once due, without user input: the windows repaint, clicks and keys wait.
    virtual void refreshWithoutUserInput() {}

    // A note on what the last run or command did, beside the counts in the status bar, until the
    // next note; empty clears it.
    virtual void showStatusNote(const QString& /*note*/) {}

    // The busy state: the main window's pointer is the hourglass. Some list handlers do nothing
    // while it shows.
    virtual void setBusy(bool busy) = 0;
    virtual bool isBusy() const = 0;

    // Set once the main window has been asked to close; the tool windows then let themselves be
    // closed instead of only hiding.
    virtual bool isClosing() const = 0;
    // Esc presses in the main window so far: a run ends once the count moves on.
    virtual quint64 stopKeyPresses() const { return 0; }

    virtual Platform& platform() = 0;
    virtual SettingsStore& settings() = 0;
    virtual ErrorReporter& errorReporter() = 0;
    virtual const ProgramFolder& programFolder() const = 0;
    // The pointer over command buttons: HAND-M.CUR from the program folder, or the pointing hand.
    virtual QCursor handPointer() const = 0;
    // The main window itself, as owner of the tool windows.
    virtual QWidget* mainWindow() = 0;
    // Where the results list is on the desktop, which the tool windows open beside.
    virtual QRect resultsListOnScreen() const { return {}; }

    // The guard of one of the main window's procedures, reporting as "Form1.procedure".
    Guard procedureGuard(const QString& procedure)
    {
        return Guard(errorReporter(), ErrorLocation::velmora(QStringLiteral("Form1"), procedure));
    }
};

} // namespace cardisto
