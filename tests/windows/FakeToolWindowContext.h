// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "extraction/ResultsModel.h"
#include "extraction/windows/ToolWindowContext.h"
#include "shell/SettingsStore.h"
#include "support/FakePlatform.h"
#include "support/RecordingErrorReporter.h"
#include "support/ResultRows.h"

#include <QCoreApplication>
#include <functional>

namespace cardisto::test {

// The main window's side as the tool windows see it: lists, options and the closing flag the test
// sets, boxes answered by a FakePlatform, settings in an INI file of the test's choice.
class FakeToolWindowContext final : public ToolWindowContext {
public:
    explicit FakeToolWindowContext(const QString& settingsFile) : store(settingsFile) {}

    QStringList inputs;
    ConversionChoice choice = ConversionChoice::someFields({true, false, false, false}); // e-mails
    ExtractionOptions options;
    ResultsModel model;
    FakePlatform fakePlatform;
    SettingsStore store;
    RecordingErrorReporter reporter;
    bool closing = false;
    QCursor hand{Qt::PointingHandCursor};

    QList<QPair<int, QString>> progress;
    int yields = 0;
    // Runs at every yield, as pending events would: the test presses buttons here.
    std::function<void()> onYield;
    // Runs while an All Fields conversion assembles a value, in the middle of reading a file.
    std::function<void()> onAssembly;

    qsizetype inputCount() const override { return inputs.size(); }
    QString inputEntry(qsizetype index) const override { return inputs.at(index); }
    ConversionChoice conversionChoice() const override { return choice; }
    ExtractionOptions extractionOptions() const override { return options; }
    ResultsModel& results() override { return model; }
    void setProgress(int value, const QString& caption) override { progress.append({value, caption}); }
    void showAssemblyProgress(qsizetype, qsizetype) override
    {
        if (onAssembly)
            onAssembly();
    }
    void yieldToUserInterface() override
    {
        ++yields;
        if (onYield)
            onYield();
    }
    bool isClosing() const override { return closing; }
    // The windows that follow the list and the source option hear of the test's changes.
    void onInputListChange(QObject*, const std::function<void()>& changed) const override
    {
        m_listWatchers.append(changed);
    }
    void onSourceOptionChange(QObject*, const std::function<void()>& changed) const override
    {
        m_sourceWatchers.append(changed);
    }
    void changeInputs(const QStringList& entries)
    {
        inputs = entries;
        for (const auto& changed : std::as_const(m_listWatchers))
            changed();
    }
    void changeSourceOption(bool show)
    {
        options.showSourceFilename = show;
        for (const auto& changed : std::as_const(m_sourceWatchers))
            changed();
    }
    Platform& platform() override { return fakePlatform; }
    SettingsStore& settings() override { return store; }
    ErrorReporter& errorReporter() override { return reporter; }
    QCursor handPointer() const override { return hand; }

    // Rows as "text" or "text|sub-item".
    QStringList rows() const { return resultRows(model); }

private:
    mutable QList<std::function<void()>> m_listWatchers;
    mutable QList<std::function<void()>> m_sourceWatchers;
};

} // namespace cardisto::test
