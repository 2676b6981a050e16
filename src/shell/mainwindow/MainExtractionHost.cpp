// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainExtractionHost.h"

#include "MainWindowLink.h"
#include "inputs/InputFileList.h"
#include "shell/platform/Platform.h"

#include <QLineEdit>

namespace cardisto {

void MainExtractionHost::setExtractionRunning(bool running)
{
    m_running = running;
    m_pressesAtStart = m_link.stopKeyPresses();
    m_options.forget();
    if (running)
        m_report.start(*this);
    else
        m_report.finish(*this);
}

bool MainExtractionHost::stopRequested() const
{
    return m_link.isClosing() || m_link.stopKeyPresses() != m_pressesAtStart;
}

qsizetype MainExtractionHost::inputCount() const
{
    return m_link.isClosing() ? 0 : m_link.inputFiles().count();
}

QString MainExtractionHost::inputEntry(qsizetype index) const
{
    return m_link.inputFiles().textAt(static_cast<int>(index));
}

ConversionChoice MainExtractionHost::conversionChoice() const
{
    return m_link.conversionChoice();
}

ExtractionOptions MainExtractionHost::extractionOptions() const
{
    return m_options.read([this] { return m_link.extractionOptions(); });
}

QString MainExtractionHost::extractionText(ExtractionText box) const
{
    switch (box) {
    case ExtractionText::ContainingText:
        return m_texts.containing->text();
    case ExtractionText::NotContainingText:
        return m_texts.notContaining->text();
    case ExtractionText::LineNumbers:
        return m_texts.lineNumbers->text();
    case ExtractionText::StartMarker:
    case ExtractionText::EndMarker:
        break; // the markers belong to the window of "Extract Between X and Y (Repeatedly)"
    }
    return QString();
}

ResultsModel& MainExtractionHost::results()
{
    return m_link.results();
}

void MainExtractionHost::setProgress(int value, const QString& caption)
{
    m_link.setProgress(value, caption);
}

void MainExtractionHost::showAssemblyProgress(qsizetype position, qsizetype last)
{
    m_link.showAssemblyProgress(position, last);
    m_options.forget();
}

void MainExtractionHost::yieldToUserInterface()
{
    m_link.yieldToUserInterface();
    m_options.forget();
}

void MainExtractionHost::yieldBeforeLine()
{
    if (m_linePacing.yieldNow([this] { return m_link.yieldIsDue(); }))
        yieldToUserInterface();
}

void MainExtractionHost::setBusyPointer(bool busy)
{
    m_link.setBusy(busy);
}

void MainExtractionHost::showMessage(const QString& text)
{
    m_link.platform().showMessage(text);
    m_options.forget();
}

void MainExtractionHost::showStatusNote(const QString& note)
{
    m_link.showStatusNote(note);
}

ErrorReporter& MainExtractionHost::errorReporter()
{
    return m_options.reporter(m_report.reporter(m_link.errorReporter()));
}

} // namespace cardisto
