// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Form1Controls.h"
#include "MainWindowLink.h"
#include "MainWindowServices.h"
#include "extraction/ResultsModel.h"
#include "inputs/InputFileList.h"
#include "shell/EventLoopYield.h"
#include "shell/platform/GuiErrorReporter.h"

#include <QWidget>
#include <memory>

namespace cardisto {

class ExtractionHost;
class InputListCommands;
class InputSourceCommands;
class MainExtractionHost;
class MainWindowGeometry;
class MainWindowStatusBar;
class PointerHandling;
class ResultsListCommands;
class RunStopKey;
class RowDragController;
class SettingsBinding;
class ToolWindowButtons;

// The main window: the input file list, the extraction options and commands, the results list and
// the progress bar. It builds its controls, hands them to the small command objects beside it and
// runs its start-up; closing it ends the program.
class Form1 final : public QWidget, public MainWindowLink {
    Q_OBJECT
public:
    explicit Form1(const MainWindowServices& services, QWidget* parent = nullptr);
    ~Form1() override;

    const Form1Controls& controls() const { return m_controls; }
    const EventLoopYield& eventLoopYield() const { return m_yield; }
    const MainWindowStatusBar& statusBar() const { return *m_statusBar; }

    // The files and folders named on the command line (see addCommandLineInputs in InputCommands.h).
    void addCommandLineInputs(const QStringList& entries);

    // MainWindowLink
    InputFileList& inputFiles() override { return m_inputFiles; }
    ResultsModel& results() override { return m_results; }
    ConversionChoice conversionChoice() const override;
    ExtractionOptions extractionOptions() const override;
    void setProgress(int value, const QString& caption) override;
    void setProgressValue(int value) override;
    void setProgressCaption(const QString& caption) override;
    void showAssemblyProgress(qsizetype position, qsizetype last) override;
    void yieldToUserInterface() override;
    bool yieldIsDue() const override { return m_yield.isDue(); }
    void refreshWithoutUserInput() override;
    void showStatusNote(const QString& note) override;
    void setBusy(bool busy) override;
    bool isBusy() const override;
    bool isClosing() const override { return m_closing; }
    quint64 stopKeyPresses() const override;
    Platform& platform() override { return m_services.platform; }
    SettingsStore& settings() override { return m_services.settings; }
    ErrorReporter& errorReporter() override { return m_errorReporter; }
    const ProgramFolder& programFolder() const override { return m_services.programFolder; }
    QCursor handPointer() const override;
    QWidget* mainWindow() override { return this; }
    QRect resultsListOnScreen() const override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setUpLists();
    void wireControls();
    void formLoad();
    void recordSampleFiles();
    void runExtraction(void (*command)(ExtractionHost&));
    void showLineNumberHelp();
    void showHelp();
    void showAbout();

    MainWindowServices m_services;
    GuiErrorReporter m_errorReporter;
    EventLoopYield m_yield;
    InputFileList m_inputFiles;
    ResultsModel m_results;
    Form1Controls m_controls;
    bool m_closing = false;

    PointerHandling* m_pointers = nullptr;
    SettingsBinding* m_settingsBinding = nullptr;
    InputListCommands* m_inputCommands = nullptr;
    InputSourceCommands* m_inputSources = nullptr;
    RowDragController* m_rowDrag = nullptr;
    ToolWindowButtons* m_toolWindows = nullptr;
    MainWindowGeometry* m_geometry = nullptr;
    MainWindowStatusBar* m_statusBar = nullptr;
    RunStopKey* m_stopKey = nullptr;
    std::unique_ptr<ResultsListCommands> m_resultsCommands;
    std::unique_ptr<MainExtractionHost> m_extractionHost;
};

} // namespace cardisto
