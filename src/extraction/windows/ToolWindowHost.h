// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolWindowContext.h"
#include "extraction/ExtractionHost.h"
#include "extraction/OptionsBetweenTurns.h"

namespace cardisto {

class RunStopKey;
class WindowPointers;

// A tool window's side of an extraction run: its own run flag, hourglass and Esc key, everything
// else from the main window. The windows derive from it to supply their texts or items.
class ToolWindowHost : public ExtractionHost {
public:
    ToolWindowHost(ToolWindowContext& context, WindowPointers& pointers, const RunStopKey& stopKey)
        : m_context(context), m_pointers(pointers), m_stopKey(stopKey)
    {}

    bool extractionRunning() const override { return m_running; }
    void setExtractionRunning(bool running) override;
    // Esc in this window or in the main window, or the main window closing.
    bool stopRequested() const override;
    qsizetype inputCount() const override { return m_context.inputCount(); }
    QString inputEntry(qsizetype index) const override { return m_context.inputEntry(index); }
    ConversionChoice conversionChoice() const override { return m_context.conversionChoice(); }
    // Read again after every turn of events (see OptionsBetweenTurns).
    ExtractionOptions extractionOptions() const override
    {
        return m_options.read([this] { return m_context.extractionOptions(); });
    }
    QString extractionText(ExtractionText) const override { return {}; }
    ResultsModel& results() override { return m_context.results(); }
    void setProgress(int value, const QString& caption) override { m_context.setProgress(value, caption); }
    void showAssemblyProgress(qsizetype position, qsizetype last) override
    {
        m_context.showAssemblyProgress(position, last);
        m_options.forget();
    }
    void yieldToUserInterface() override
    {
        m_context.yieldToUserInterface();
        m_options.forget();
    }
    void yieldBeforeLine() override
    {
        if (m_linePacing.yieldNow([this] { return m_context.yieldIsDue(); }))
            yieldToUserInterface();
    }
    void refreshWithoutUserInput() override
    {
        if (m_refreshPacing.yieldNow([this] { return m_context.yieldIsDue(); })) {
            m_context.refreshWithoutUserInput();
            m_options.forget(); // a timer may have run
        }
    }
    void setBusyPointer(bool busy) override;
    void showMessage(const QString& text) override;
    void showStatusNote(const QString& note) override { m_context.showStatusNote(note); }
    void noteRunStopped(const StoppedRun& stop) override { m_report.noteStopped(stop); }
    void noteLinesDecodingReadsOtherwise(qsizetype lines) override { m_report.noteLinesDecodingReadsOtherwise(lines); }
    // Files refused as no vCard are named together when the run ends (RunReport).
    ErrorReporter& errorReporter() override
    {
        return m_options.reporter(m_report.reporter(m_context.errorReporter()));
    }

private:
    ToolWindowContext& m_context;
    WindowPointers& m_pointers;
    const RunStopKey& m_stopKey;
    bool m_running = false;
    quint64 m_ownPressesAtStart = 0;
    quint64 m_mainPressesAtStart = 0;
    OptionsBetweenTurns m_options;
    LineYieldPacing m_linePacing;
    LineYieldPacing m_refreshPacing;
    RunReport m_report;
};

} // namespace cardisto
