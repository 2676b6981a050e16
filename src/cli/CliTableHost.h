// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "extraction/ExtractionHost.h"
#include "extraction/ResultsModel.h"

#include <QIODevice>
#include <QStringList>
#include <functional>

namespace cardisto {

// The batch front end's host of a contacts table's reading: the input list from the command line,
// messages to the error stream, failures to the reporter, and a stop once the output has ended.
// Nothing yields and nothing is listed.
class CliTableHost final : public ExtractionHost {
public:
    CliTableHost(QStringList entries, QIODevice& err, ErrorReporter& reporter, std::function<bool()> outputEnded)
        : m_entries(std::move(entries)), m_err(err), m_reporter(reporter), m_outputEnded(std::move(outputEnded))
    {}

    bool extractionRunning() const override { return m_running; }
    void setExtractionRunning(bool running) override { m_running = running; }
    qsizetype inputCount() const override { return m_entries.size(); }
    QString inputEntry(qsizetype index) const override { return m_entries.at(index); }
    // The contacts are read as the standard defines vCards whatever the choice; one choice keeps
    // the worker's reading ahead.
    ConversionChoice conversionChoice() const override { return ConversionChoice::allFields(); }
    ExtractionOptions extractionOptions() const override { return {}; }
    QString extractionText(ExtractionText) const override { return {}; }
    ResultsModel& results() override { return m_noResults; }
    void setProgress(int, const QString&) override {}
    void showAssemblyProgress(qsizetype, qsizetype) override {}
    void yieldToUserInterface() override {}
    bool stopRequested() const override { return m_outputEnded(); }
    void setBusyPointer(bool) override {}
    void showMessage(const QString& text) override;
    ErrorReporter& errorReporter() override { return m_reporter; }

    int messageCount() const { return m_messages; }

private:
    QStringList m_entries;
    QIODevice& m_err;
    ErrorReporter& m_reporter;
    std::function<bool()> m_outputEnded;
    ResultsModel m_noResults;
    bool m_running = false;
    int m_messages = 0;
};

} // namespace cardisto
