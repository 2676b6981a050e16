// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainWindowLink.h"
#include "extraction/windows/ToolWindowContext.h"
#include "inputs/InputFileList.h"

#include <QCheckBox>

namespace cardisto {

// The main window as the tool windows see it: its input list, options, results list, progress
// bar, yield and closing flag, all read live through the link; sourceOption is "Show source
// filename next to extracted text" (Check14), whose changes it passes on.
class MainWindowToolContext final : public ToolWindowContext {
public:
    MainWindowToolContext(MainWindowLink& link, const QCheckBox* sourceOption)
        : m_link(link), m_sourceOption(sourceOption)
    {}

    qsizetype inputCount() const override { return m_link.inputFiles().count(); }
    QString inputEntry(qsizetype index) const override { return m_link.inputFiles().textAt(int(index)); }
    ConversionChoice conversionChoice() const override { return m_link.conversionChoice(); }
    ExtractionOptions extractionOptions() const override { return m_link.extractionOptions(); }
    ResultsModel& results() override { return m_link.results(); }
    void setProgress(int value, const QString& caption) override { m_link.setProgress(value, caption); }
    void showAssemblyProgress(qsizetype position, qsizetype last) override
    {
        m_link.showAssemblyProgress(position, last);
    }
    void yieldToUserInterface() override { m_link.yieldToUserInterface(); }
    bool yieldIsDue() const override { return m_link.yieldIsDue(); }
    void refreshWithoutUserInput() override { m_link.refreshWithoutUserInput(); }
    void onInputListChange(QObject* receiver, const std::function<void()>& changed) const override
    {
        const InputFileList* list = &m_link.inputFiles();
        QObject::connect(list, &QAbstractItemModel::rowsInserted, receiver, changed);
        QObject::connect(list, &QAbstractItemModel::rowsRemoved, receiver, changed);
        QObject::connect(list, &QAbstractItemModel::rowsMoved, receiver, changed);
        QObject::connect(list, &QAbstractItemModel::dataChanged, receiver, changed);
        QObject::connect(list, &QAbstractItemModel::layoutChanged, receiver, changed);
        QObject::connect(list, &QAbstractItemModel::modelReset, receiver, changed);
    }
    void onSourceOptionChange(QObject* receiver, const std::function<void()>& changed) const override
    {
        QObject::connect(m_sourceOption, &QCheckBox::stateChanged, receiver, changed);
    }
    bool isClosing() const override { return m_link.isClosing(); }
    quint64 mainStopKeyPresses() const override { return m_link.stopKeyPresses(); }
    void showStatusNote(const QString& note) override { m_link.showStatusNote(note); }
    QRect resultsListOnScreen() const override { return m_link.resultsListOnScreen(); }
    Platform& platform() override { return m_link.platform(); }
    SettingsStore& settings() override { return m_link.settings(); }
    ErrorReporter& errorReporter() override { return m_link.errorReporter(); }
    QCursor handPointer() const override { return m_link.handPointer(); }

private:
    MainWindowLink& m_link;
    const QCheckBox* m_sourceOption;
};

} // namespace cardisto
