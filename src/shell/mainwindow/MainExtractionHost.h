// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "extraction/ExtractionHost.h"
#include "extraction/OptionsBetweenTurns.h"

class QLineEdit;

namespace cardisto {

class MainWindowLink;

// The text boxes beside the main window's extraction buttons.
struct FilterTextBoxes {
    QLineEdit* containing;    // Text1
    QLineEdit* notContaining; // Text2
    QLineEdit* lineNumbers;   // Text5
};

// What the four extraction commands of the main window work with: the window's own run flag, and
// its lists, options, text boxes, progress bar, pointer and boxes, all read live (the options
// again after every turn of events, see OptionsBetweenTurns).
class MainExtractionHost final : public ExtractionHost {
public:
    MainExtractionHost(MainWindowLink& link, const FilterTextBoxes& texts) : m_link(link), m_texts(texts) {}

    bool extractionRunning() const override { return m_running; }
    void setExtractionRunning(bool running) override;
    // Esc in the main window, or the window closing.
    bool stopRequested() const override;

    // Once the window is closing, a run finds no further files: the program ends after the file
    // it is reading.
    qsizetype inputCount() const override;
    QString inputEntry(qsizetype index) const override;

    ConversionChoice conversionChoice() const override;
    ExtractionOptions extractionOptions() const override;
    QString extractionText(ExtractionText box) const override;
    ResultsModel& results() override;

    void setProgress(int value, const QString& caption) override;
    void showAssemblyProgress(qsizetype position, qsizetype last) override;
    void yieldToUserInterface() override;
    void yieldBeforeLine() override;
    void setBusyPointer(bool busy) override;
    void showMessage(const QString& text) override;
    void showStatusNote(const QString& note) override;
    void noteRunStopped(const StoppedRun& stop) override { m_report.noteStopped(stop); }
    void noteLinesDecodingReadsOtherwise(qsizetype lines) override { m_report.noteLinesDecodingReadsOtherwise(lines); }
    // Files refused as no vCard are named together when the run ends (RunReport).
    ErrorReporter& errorReporter() override;

private:
    MainWindowLink& m_link;
    FilterTextBoxes m_texts;
    bool m_running = false;
    quint64 m_pressesAtStart = 0;
    OptionsBetweenTurns m_options;
    LineYieldPacing m_linePacing;
    RunReport m_report;
};

} // namespace cardisto
