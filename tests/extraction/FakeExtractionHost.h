// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "extraction/ExtractionHost.h"
#include "extraction/FileConversionWorker.h"
#include "extraction/ResultsModel.h"
#include "support/RecordingErrorReporter.h"
#include "support/ResultRows.h"

#include <QHash>
#include <functional>

namespace cardisto::test {

// A window stand-in: lists, options and texts the test sets, and a record of what the run showed.
class FakeExtractionHost : public ExtractionHost {
public:
    QStringList inputs;
    ConversionChoice choice = ConversionChoice::someFields({true, false, false, false});
    ExtractionOptions options;
    QHash<ExtractionText, QString> texts;
    QStringList items;
    ResultsModel model;
    RecordingErrorReporter reporter;
    bool running = false;
    bool stop = false;
    qsizetype pieceBytes = kConversionPieceBytes;

    QList<QPair<int, QString>> progress;
    QStringList messages;
    QList<bool> busyPointer;
    int hides = 0;
    int yields = 0;
    int refreshes = 0;
    int assemblySteps = 0;
    QPair<qsizetype, qsizetype> lastAssembly{-1, -1};
    std::function<void()> onYield;

    bool extractionRunning() const override { return running; }
    void setExtractionRunning(bool value) override { running = value; }
    qsizetype inputCount() const override { return inputs.size(); }
    QString inputEntry(qsizetype index) const override { return inputs.at(index); }
    ConversionChoice conversionChoice() const override { return choice; }
    qsizetype conversionPieceBytes() const override { return pieceBytes; }
    ExtractionOptions extractionOptions() const override { return options; }
    QString extractionText(ExtractionText box) const override { return texts.value(box); }
    QStringList textSetItems() const override { return items; }
    ResultsModel& results() override { return model; }
    void setProgress(int value, const QString& caption) override { progress.append({value, caption}); }
    void showAssemblyProgress(qsizetype position, qsizetype last) override
    {
        ++assemblySteps;
        lastAssembly = {position, last};
    }
    void yieldToUserInterface() override
    {
        ++yields;
        if (onYield)
            onYield();
    }
    void refreshWithoutUserInput() override { ++refreshes; }
    // Waiting for the worker is left out of the count: how often it happens depends on the machine.
    void yieldWhileWaiting() override {}
    bool stopRequested() const override { return stop; }
    void setBusyPointer(bool busy) override { busyPointer.append(busy); }
    void showMessage(const QString& text) override { messages.append(text); }
    void hideToolWindow() override { ++hides; }
    ErrorReporter& errorReporter() override { return reporter; }

    // Rows as "text" or "text|sub-item", pending rows included.
    QStringList rows() const { return resultRows(model); }

    QList<int> progressValues() const
    {
        QList<int> values;
        for (const auto& step : progress)
            values.append(step.first);
        return values;
    }
};

} // namespace cardisto::test
