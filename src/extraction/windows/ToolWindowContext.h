// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversion/ConversionChoice.h"
#include "extraction/AddRule.h"

#include <QCursor>
#include <QRect>
#include <QString>
#include <functional>

class QObject;

namespace cardisto {

class ErrorReporter;
class Platform;
class ResultsModel;
class SettingsStore;

// What the tool windows take from the main window. Their runs work on the main window's input
// list, options, results list and progress display; only the run flag and the hourglass are the
// tool window's own. Everything is read live: a run yields to the user interface, and the user may
// change the lists and options meanwhile.
class ToolWindowContext {
public:
    virtual ~ToolWindowContext() = default;

    // The input file list, by position from 0; entries are paths as listed.
    virtual qsizetype inputCount() const = 0;
    virtual QString inputEntry(qsizetype index) const = 0;

    // "All Fields" or the ticked field groups of "Some Fields:".
    virtual ConversionChoice conversionChoice() const = 0;
    // "Remove duplicate results" and "Show source filename next to extracted text".
    virtual ExtractionOptions extractionOptions() const = 0;

    virtual ResultsModel& results() = 0;

    // The progress display: a value from 0 to 100 and its caption.
    virtual void setProgress(int value, const QString& caption) = 0;
    // While an All Fields conversion assembles its values (position from 0 to last).
    virtual void showAssemblyProgress(qsizetype position, qsizetype last) = 0;
    // Lets pending events run when enough time has passed since the last turn; cheap to call often.
    virtual void yieldToUserInterface() = 0;
    // Whether yieldToUserInterface() would let events run now (it reads a clock).
    virtual bool yieldIsDue() const { return true; }
    // The same turn without user input (see ExtractionHost::refreshWithoutUserInput).
    virtual void refreshWithoutUserInput() {}

    // Calls `changed` whenever the input list changes (rows added, removed, moved or renamed), for
    // as long as `receiver` lives.
    virtual void onInputListChange(QObject* receiver, const std::function<void()>& changed) const
    {
        Q_UNUSED(receiver);
        Q_UNUSED(changed);
    }
    // The same for the option "Show source filename next to extracted text".
    virtual void onSourceOptionChange(QObject* receiver, const std::function<void()>& changed) const
    {
        Q_UNUSED(receiver);
        Q_UNUSED(changed);
    }

    // Set once the main window is asked to close: from then on the tool windows really close.
    virtual bool isClosing() const = 0;
    // Esc presses in the main window so far; a change stops the tool windows' runs too.
    virtual quint64 mainStopKeyPresses() const { return 0; }
    // A note on the last run beside the main window's counts; empty clears it.
    virtual void showStatusNote(const QString& /*note*/) {}
    // Where the results list is on the desktop, which a tool window opens beside; empty for none.
    virtual QRect resultsListOnScreen() const { return {}; }

    virtual Platform& platform() = 0;
    virtual SettingsStore& settings() = 0;
    virtual ErrorReporter& errorReporter() = 0;

    // The pointer over the windows' buttons (HAND-M.CUR, or the desktop's pointing hand).
    virtual QCursor handPointer() const = 0;
};

} // namespace cardisto
