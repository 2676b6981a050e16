// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AddRule.h"
#include "RunReport.h"
#include "conversion/ConversionChoice.h"

#include <QString>
#include <QStringList>

namespace cardisto {

class ErrorReporter;
class ResultsModel;

// The text boxes the extraction commands read their filter from.
enum class ExtractionText {
    ContainingText,    // Text1, "Extract All Lines Containing This Text:"
    NotContainingText, // Text2, "Extract All Lines Not Contain. This Text:"
    LineNumbers,       // Text5, "Extract Lines By Number:"
    StartMarker,       // Text3, "Start with (X)"
    EndMarker,         // Text4, "End with (Y)"
};

// What an extraction command needs from the window that runs it (or from the batch front end).
// Everything is read live, at the moment the command needs it: a run yields to the user interface
// before every file and line, and the user may change the lists, options and texts meanwhile.
// Calls happen per line and per offer, so every method must be cheap.
class ExtractionHost {
public:
    virtual ~ExtractionHost() = default;

    // The window's run flag, ExtractionRunning: a second run of the same window is refused.
    virtual bool extractionRunning() const = 0;
    virtual void setExtractionRunning(bool running) = 0;

    // The input file list, by position from 0; entries are paths as listed.
    virtual qsizetype inputCount() const = 0;
    virtual QString inputEntry(qsizetype index) const = 0;

    // Selected or all fields, read once per file.
    virtual ConversionChoice conversionChoice() const = 0;
    // How many bytes of a file are converted at a time when a run takes its lines (tests make it small).
    virtual qsizetype conversionPieceBytes() const;
    // "Remove duplicate results" and "Show source filename next to extracted text", read at every offer.
    virtual ExtractionOptions extractionOptions() const = 0;
    // The current content of a text box; the containing filters read it for every line.
    virtual QString extractionText(ExtractionText box) const = 0;
    // The items of the text set, in list order, read for every line.
    virtual QStringList textSetItems() const { return {}; }

    virtual ResultsModel& results() = 0;
    // Takes one offered result. The windows list it in results() under the add rule; the batch
    // front end may write it out at once instead of keeping it.
    virtual void takeOffer(const ExtractionOptions& options, const QString& sourceEntry, HashedText resultText);
    // A hint that takeOffer(resultText) follows after a few other offers (see ResultsModel::prefetchLookup).
    virtual void expectOffer(const ExtractionOptions& options, HashedText resultText, LookupDistance distance);

    // The progress display: a value from 0 to 100 and a caption.
    virtual void setProgress(int value, const QString& caption) = 0;
    // Called while an All Fields conversion assembles its values (position from 0 to last).
    virtual void showAssemblyProgress(qsizetype position, qsizetype last) = 0;
    // Lets pending user-interface events run. Called for every line: the host decides by elapsed
    // time whether to actually process events.
    virtual void yieldToUserInterface() = 0;
    // The yield before each line of a line command. A window may look at its clock only every few
    // lines: a yield that is due comes a few lines late, which the user cannot tell.
    virtual void yieldBeforeLine() { yieldToUserInterface(); }
    // Where the run must not yield (between the stretches of one file), lets the window repaint and
    // answer the desktop without running user input: clicks and keys wait for the next yield.
    // The host decides by elapsed time whether to do it at all.
    virtual void refreshWithoutUserInput() {}
    // The same while the run waits for the worker to finish converting the file of the turn.
    virtual void yieldWhileWaiting() { yieldToUserInterface(); }
    // True once the run should end after the line it is at: the user pressed Esc, or the main
    // window is closing. Read for every line.
    virtual bool stopRequested() const { return false; }
    // The run met lines that "Read vCards as the standard defines them" would read otherwise (folded,
    // quoted-printable or grouped lines of the fields it takes); called for every piece with some.
    virtual void noteLinesDecodingReadsOtherwise(qsizetype /*lines*/) {}
    // The run ended early because stopRequested() said so, at this point.
    virtual void noteRunStopped(const StoppedRun& /*stop*/) {}
    // The hourglass pointer of the window that runs the command.
    virtual void setBusyPointer(bool busy) = 0;
    // A plain message box: the text, an OK button, no icon, the application title.
    virtual void showMessage(const QString& text) = 0;
    // A note on the last run beside the window's counts (its status bar); empty clears it.
    virtual void showStatusNote(const QString& /*note*/) {}
    // The end of a text-set run closes (hides) its tool window.
    virtual void hideToolWindow() {}
    // Receives unexpected failures (the error box).
    virtual ErrorReporter& errorReporter() = 0;
};

} // namespace cardisto
