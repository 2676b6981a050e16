// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliExtractArguments.h"
#include "extraction/ExtractionHost.h"
#include "extraction/ResultTextIndex.h"
#include "extraction/ResultsModel.h"

#include <QIODevice>
#include <functional>

namespace cardisto {

class CliErrorReporter;
class CliOutput;

// The batch front end's stand-in for the extraction windows: the input list and options come from
// the command line, messages and reported errors go to the error stream, and nothing yields.
//
// With a result stream, every kept result is written the moment it is offered and nothing is
// stored: only the texts already written are remembered when duplicates are removed. Without one
// (a result file), results are listed as in the windows. Once the stream has ended (the reader went
// away, a write failed) the input list counts as empty, so the run stops at the next file.
class CliExtractionHost final : public ExtractionHost {
public:
    using ShownName = std::function<QString(const QString&)>;

    CliExtractionHost(const CliExtractRequest& request, QStringList inputEntries, QIODevice& err,
                      CliErrorReporter& reporter, CliOutput* stream = nullptr, ShownName shownName = {});

    bool extractionRunning() const override { return m_running; }
    void setExtractionRunning(bool running) override { m_running = running; }
    qsizetype inputCount() const override;
    QString inputEntry(qsizetype index) const override { return m_inputs.at(index); }
    ConversionChoice conversionChoice() const override { return m_request.choice; }
    ExtractionOptions extractionOptions() const override { return m_options; }
    QString extractionText(ExtractionText box) const override;
    QStringList textSetItems() const override { return m_items; }
    ResultsModel& results() override { return m_results; }
    void takeOffer(const ExtractionOptions& options, const QString& sourceEntry, HashedText resultText) override;
    void expectOffer(const ExtractionOptions& options, HashedText resultText, LookupDistance distance) override;
    void setProgress(int, const QString&) override;
    void showAssemblyProgress(qsizetype, qsizetype) override {}
    void yieldToUserInterface() override {}
    void setBusyPointer(bool) override {}
    void showMessage(const QString& text) override;
    ErrorReporter& errorReporter() override;

    void noteLinesDecodingReadsOtherwise(qsizetype lines) override { m_linesDecodingReadsOtherwise += lines; }

    int messageCount() const { return m_messages; }
    qsizetype linesDecodingReadsOtherwise() const { return m_linesDecodingReadsOtherwise; }

private:
    QString shown(const QString& entry) const { return m_shownName ? m_shownName(entry) : entry; }

    const CliExtractRequest& m_request;
    QStringList m_inputs;
    QStringList m_items;
    ExtractionOptions m_options;
    QIODevice& m_err;
    CliErrorReporter& m_reporter;
    CliOutput* m_stream;
    ShownName m_shownName;
    ResultsModel m_results;
    ResultTextIndex m_written; // with duplicates removed: the result texts already written
    bool m_running = false;
    int m_messages = 0;
    qsizetype m_linesDecodingReadsOtherwise = 0;
};

} // namespace cardisto
