// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1.h"

#include "CaptionedProgressBar.h"
#include "InputListCommands.h"
#include "InputSourceCommands.h"
#include "LineNumberHelp.h"
#include "ListKeyboard.h"
#include "MainExtractionHost.h"
#include "MainOutputHost.h"
#include "MainWindowGeometry.h"
#include "MainWindowShortcuts.h"
#include "MainWindowStatusBar.h"
#include "PointerHandling.h"
#include "ReportListView.h"
#include "ResultsListCommands.h"
#include "RowDragController.h"
#include "SettingsBinding.h"
#include "ToolWindowButtons.h"
#include "extraction/ExtractionCommands.h"
#include "inputs/SampleFiles.h"
#include "shell/AppInfo.h"
#include "shell/platform/Platform.h"
#include "shell/widgets/AboutBox.h"
#include "shell/widgets/ApplicationIcon.h"
#include "shell/widgets/HelpBox.h"
#include "shell/widgets/Pointers.h"
#include "shell/widgets/RunStopKey.h"
#include "shell/widgets/Skin.h"
#include "shell/widgets/WebsiteVisit.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace cardisto {

namespace {

QString resultsToolTip()
{
    return QStringLiteral(
        "Double-click item to remove it. Move | line to right and out of window to reveal full names.");
}

} // namespace

Form1::Form1(const MainWindowServices& services, QWidget* parent)
    : QWidget(parent), m_services(services), m_errorReporter(services.platform), m_yield(services.yieldInterval),
      m_controls(buildForm1Controls(this))
{
    setObjectName(QStringLiteral("Form1"));
    QFont arial = font();
    arial.setFamilies({QStringLiteral("Arial")});
    setFont(arial);
    // The first failing save of any window is reported here, once, with where the settings live.
    m_services.settings.onFirstSaveFailure(
        [this](const QString& location) { m_services.platform.showMessage(settingsNotSavedMessage(location)); });

    const Form1Controls& c = m_controls;
    m_pointers = new PointerHandling(this);
    m_stopKey = new RunStopKey(this);
    c.ProgressBar1->setToolTip(RunStopKey::toolTipText());
    m_settingsBinding = new SettingsBinding(
        {c.Option1, c.Option2, c.Check1, c.Check14, c.Check3, c.Check4, c.Check6, c.Check8, c.Text1, c.Text2, c.Text5,
         c.Check15},
        m_services.settings, this);
    m_extractionHost = std::make_unique<MainExtractionHost>(*this, FilterTextBoxes{c.Text1, c.Text2, c.Text5});
    setUpLists();
    wireControls();
    formLoad();
    m_geometry = new MainWindowGeometry(this, m_services.settings);
    m_geometry->restore();
}

Form1::~Form1()
{
    m_services.settings.onFirstSaveFailure({});
}

void Form1::setUpLists()
{
    const Form1Controls& c = m_controls;
    c.ListView1->setModel(&m_inputFiles);
    makeReportView(c.ListView1);
    c.ListView1->setToolTip(InputFileList::toolTipText());
    // Screen readers name the lists by their start-up column headers.
    c.ListView1->setAccessibleName(InputFileList::columnHeading().trimmed());
    // Files can be dropped on the list; its rows never leave it by drag and drop.
    c.ListView1->setDragDropMode(QAbstractItemView::DropOnly);
    c.ListView1->setDragEnabled(false);
    c.ListView1->setDropIndicatorShown(false); // dropped files always go to the end
    c.ListView1->setDefaultDropAction(Qt::CopyAction);
    new ListKeyboard(c.ListView1);
    m_rowDrag = new RowDragController(c.ListView1, m_inputFiles);
    m_rowDrag->setDragPointer(loadDragPointer(m_services.programFolder));
    m_inputCommands = new InputListCommands(*this, c.ListView1);
    m_inputSources = new InputSourceCommands(*this, this); // also takes the folders dropped on ListView1

    c.ListView2->setModel(&m_results);
    // Every commit makes the list lay out and repaint: during a run the rows show ten times a
    // second, not at every turn of events (tests, with no yield interval, see them at every turn).
    if (m_services.yieldInterval.count() > 0)
        m_results.setCommitInterval(kResultsShownInterval);
    makeReportView(c.ListView2);
    new ListKeyboard(c.ListView2);
    c.ListView2->setToolTip(resultsToolTip());
    c.ListView2->setAccessibleName(QStringLiteral("Results"));
    m_resultsCommands = std::make_unique<ResultsListCommands>(*this, c.ListView2);
}

void Form1::wireControls()
{
    const Form1Controls& c = m_controls;
    for (QPushButton* button : c.commandButtons())
        m_pointers->watchCommandButton(button);
    m_pointers->watchPlainArea(this);
    for (QWidget* frame : c.frames())
        m_pointers->watchPlainArea(frame);
    m_pointers->watchPlainArea(c.ListView1->viewport());
    m_pointers->watchPlainArea(c.ListView2->viewport());

    connect(c.PushButton13, &QPushButton::clicked, this, [this] { runExtraction(ExtractAllLines); });
    connect(c.PushButton2, &QPushButton::clicked, this, [this] { runExtraction(ExtractLinesContaining); });
    connect(c.PushButton8, &QPushButton::clicked, this, [this] { runExtraction(ExtractLinesNotContaining); });
    connect(c.PushButton7, &QPushButton::clicked, this, [this] { runExtraction(ExtractLinesByNumber); });
    connect(c.PushButton10, &QPushButton::clicked, this, &Form1::showLineNumberHelp);
    connect(c.PushButton22, &QPushButton::clicked, this, &Form1::showHelp);
    // PushButton4, PushButton16, PushButton15 and PushButton17: the two tool windows and their help.
    m_toolWindows = new ToolWindowButtons(*this, c);

    connect(c.PushButton1, &QPushButton::clicked, m_inputCommands, &InputListCommands::addFiles);
    connect(c.PushButton3, &QPushButton::clicked, m_inputCommands, &InputListCommands::removeFilesContaining);
    connect(c.PushButton11, &QPushButton::clicked, m_inputCommands, &InputListCommands::removeFilesNotContaining);
    connect(c.PushButton14, &QPushButton::clicked, m_inputCommands, &InputListCommands::clearList);
    connect(c.ListView1, &QAbstractItemView::doubleClicked, m_inputCommands, &InputListCommands::removeSelectedRow);
    connect(c.PushButton5, &QPushButton::clicked, m_inputSources, &InputSourceCommands::addAllVcfFilesInFolder);
    connect(c.PushButton21, &QPushButton::clicked, m_inputSources, &InputSourceCommands::loadListOfFilesFromTextFile);
    connect(c.PushButton23, &QPushButton::clicked, m_inputSources, &InputSourceCommands::loadSampleFiles);

    connect(c.ListView2, &QAbstractItemView::doubleClicked, this, [this] { m_resultsCommands->removeSelectedRow(); });
    connect(c.PushButton9, &QPushButton::clicked, this, [this] { m_resultsCommands->clearResultsList(); });
    connectOutputCommands(*this, c);

    m_statusBar = new MainWindowStatusBar(this, m_inputFiles, m_results);
    new MainWindowShortcuts(this, c,
                            {[this] { showAbout(); }, [this] { m_resultsCommands->removeSelectedRow(); }});
}

void Form1::formLoad()
{
    Guard guard = procedureGuard(QStringLiteral("Form_Load"));
    const ProgramFolder& folder = m_services.programFolder;
    guard(100, [&] { ApplySkin(this, folder); });
    guard(102, [&] { m_closing = false; });
    guard(104, [&] { m_pointers->setHandPointer(loadHandPointer(folder)); });
    guard(106, [&] { MaybeVisitWebsite(m_services.platform, m_services.website, m_services.uniformRandom); });
    guard(108, [&] { recordSampleFiles(); });
    guard(110, [&] { setWindowTitle(applicationTitle()); });
    guard(112, [&] { setWindowIcon(applicationIcon()); });
    // The title that boxes without a caption of their own show; not the display name, which the
    // desktop would append to the caption of every window and box.
    guard(114, [&] { QCoreApplication::setApplicationName(applicationTitle()); });
    guard(116, [&] { setColumnWidthInTwips(m_controls.ListView1, InputFileList::kColumnWidthTwips); });
    guard(118, [&] {
        m_results.setLayout(ResultsLayout::StartUp);
        keepColumnWidthsFromModel(m_controls.ListView2, ResultsModel::WidthTwipsRole);
    });
    int line = 120;
    for (const std::function<void()>& step : m_settingsBinding->restoreSteps()) {
        guard(line, step);
        line += 2;
    }
}

void Form1::addCommandLineInputs(const QStringList& entries)
{
    m_inputSources->addCommandLineInputs(entries);
}

void Form1::recordSampleFiles()
{
    recordSampleSnapshotOnFirstStart(m_services.settings, m_services.programFolder);
}

void Form1::closeEvent(QCloseEvent* event)
{
    Guard guard = procedureGuard(QStringLiteral("Form_QueryUnload"));
    guard(100, [&] { m_closing = true; });
    guard(102, [] { QCoreApplication::processEvents(); });
    guard(104, [] { QCoreApplication::processEvents(); });
    event->accept();
    // Closing the main window ends the program, with the tool windows that only hide otherwise.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    QCoreApplication::quit();
}

void Form1::runExtraction(void (*command)(ExtractionHost&))
{
    if (!m_extractionHost->extractionRunning())
        m_yield.restart(); // the longest gap is measured per run
    command(*m_extractionHost);
    m_results.commitPendingRows();
}

void Form1::showLineNumberHelp()
{
    Guard guard = procedureGuard(QStringLiteral("PushButton10_Click"));
    guard(100, [&] { m_services.platform.showMessage(lineNumberHelpText()); });
}

void Form1::showHelp()
{
    Guard guard = procedureGuard(QStringLiteral("PushButton22_Click"));
    guard(100, [&] { showHelpBox(m_services.platform); });
}

void Form1::showAbout()
{
    showAboutBox(m_services.platform);
}

ConversionChoice Form1::conversionChoice() const
{
    const Form1Controls& c = m_controls;
    // Only a box that is ticked counts; the grey third state does not.
    const auto ticked = [](const QCheckBox* box) {
        return box->checkState() == Qt::Checked;
    };
    ConversionChoice choice =
        c.Option1->isChecked()
            ? ConversionChoice::allFields()
            : ConversionChoice::someFields({ticked(c.Check3), ticked(c.Check4), ticked(c.Check6), ticked(c.Check8)});
    choice.decodeLines = ticked(c.Check15);
    return choice;
}

ExtractionOptions Form1::extractionOptions() const
{
    return {m_controls.Check1->checkState() != Qt::Unchecked, m_controls.Check14->checkState() == Qt::Checked};
}

void Form1::setProgress(int value, const QString& caption)
{
    setProgressValue(value);
    setProgressCaption(caption);
}

void Form1::setProgressValue(int value)
{
    m_controls.ProgressBar1->setValue(value);
}

void Form1::setProgressCaption(const QString& caption)
{
    m_controls.ProgressBar1->setCaption(caption);
}

void Form1::showAssemblyProgress(qsizetype position, qsizetype last)
{
    // The bar repaints at once for every new value: move it only when events are due to run anyway.
    if (position != last && !m_yield.isDue())
        return;
    setProgressValue(assemblyPercent(position, last));
    yieldToUserInterface();
}

void Form1::yieldToUserInterface()
{
    if (!m_yield.isDue())
        return;
    m_results.commitPendingRowsIfDue();
    m_yield.yieldNow();
}

void Form1::refreshWithoutUserInput()
{
    if (!m_yield.isDue())
        return;
    m_results.commitPendingRowsIfDue();
    m_yield.yieldNow(QEventLoop::ExcludeUserInputEvents);
}

void Form1::showStatusNote(const QString& note)
{
    m_statusBar->setNote(note);
}

void Form1::setBusy(bool busy)
{
    setBusyPointer(this, busy);
}

bool Form1::isBusy() const
{
    return showsBusyPointer(this);
}

quint64 Form1::stopKeyPresses() const
{
    return m_stopKey->presses();
}

QRect Form1::resultsListOnScreen() const
{
    // The part in sight: on a small window the rest is scrolled away.
    QRect shown;
    for (const QWidget* widget = m_controls.ListView2; widget; widget = widget->parentWidget()) {
        const QRect place(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        shown = shown.isNull() ? place : shown.intersected(place);
    }
    return shown;
}

QCursor Form1::handPointer() const
{
    return m_pointers->handPointer();
}

} // namespace cardisto
