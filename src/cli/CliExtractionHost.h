#pragma once

#include "CliExtractArguments.h"
#include "extraction/ExtractionHost.h"
#include "extraction/ResultsModel.h"
#include "shell/ErrorReport.h"

#include <QIODevice>

namespace cardisto {

// The batch front end's stand-in for the extraction windows: the input list and options come from
// the command line, messages and reported errors go to the error stream, and nothing yields.
class CliExtractionHost final : public ExtractionHost {
public:
    CliExtractionHost(const CliExtractRequest& request, QStringList inputEntries, QIODevice& err);

    bool extractionRunning() const override { return m_running; }
    void setExtractionRunning(bool running) override { m_running = running; }
    qsizetype inputCount() const override { return m_inputs.size(); }
    QString inputEntry(qsizetype index) const override { return m_inputs.at(index); }
    ConversionChoice conversionChoice() const override { return m_request.choice; }
    ExtractionOptions extractionOptions() const override { return m_options; }
    QString extractionText(ExtractionText box) const override;
    QStringList textSetItems() const override { return m_items; }
    ResultsModel& results() override { return m_results; }
    void setProgress(int, const QString&) override {}
    void showAssemblyProgress(qsizetype, qsizetype) override {}
    void yieldToUserInterface() override {}
    void setBusyPointer(bool) override {}
    void showMessage(const QString& text) override;
    ErrorReporter& errorReporter() override { return m_reporter; }

    int messageCount() const { return m_messages; }
    int errorCount() const { return m_reporter.reportCount(); }

private:
    const CliExtractRequest& m_request;
    QStringList m_inputs;
    QStringList m_items;
    ExtractionOptions m_options;
    QIODevice& m_err;
    StreamErrorReporter m_reporter;
    ResultsModel m_results;
    bool m_running = false;
    int m_messages = 0;
};

} // namespace cardisto
