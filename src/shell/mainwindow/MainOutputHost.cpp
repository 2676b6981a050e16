// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainOutputHost.h"

#include "Form1Controls.h"
#include "MainWindowLink.h"
#include "extraction/ResultsModel.h"
#include "output/CopyResultsToClipboard.h"
#include "output/SaveResultsAsExcelFile.h"
#include "output/SaveResultsAsTextFile.h"
#include "output/WorkbookTarget.h"

#include <QPushButton>
#include <memory>

namespace cardisto {

const QAbstractItemModel& MainOutputHost::resultsList()
{
    ResultsModel& results = m_link.results();
    results.commitPendingRows();
    return results;
}

void MainOutputHost::setBusyPointer(bool busy)
{
    if (busy) {
        m_busyBefore.append(m_link.isBusy());
        m_link.setBusy(true);
    } else if (!m_busyBefore.isEmpty()) {
        m_link.setBusy(m_busyBefore.takeLast());
    }
}

Platform& MainOutputHost::platform()
{
    return m_link.platform();
}

ErrorReporter& MainOutputHost::errorReporter()
{
    return m_link.errorReporter();
}

QString MainOutputHost::workbookFolder()
{
    return defaultWorkbookFolder();
}

void MainOutputHost::showStatusNote(const QString& note)
{
    m_link.showStatusNote(note);
}

void MainOutputHost::setProgressValue(int value)
{
    m_link.setProgressValue(value);
}

void MainOutputHost::setProgressCaption(const QString& caption)
{
    m_link.setProgressCaption(caption);
}

void MainOutputHost::letEventsRun()
{
    m_link.yieldToUserInterface();
}

void connectOutputCommands(MainWindowLink& link, const Form1Controls& controls)
{
    // One host for the three buttons, kept alive by their connections, which end with the window.
    auto host = std::make_shared<MainOutputHost>(link);
    QObject* window = link.mainWindow();
    QObject::connect(controls.PushButton6, &QPushButton::clicked, window, [host] { SaveResultsAsTextFile(*host); });
    QObject::connect(controls.PushButton12, &QPushButton::clicked, window, [host] { SaveResultsAsExcelFile(*host); });
    QObject::connect(controls.PushButton18, &QPushButton::clicked, window, [host] { CopyResultsToClipboard(*host); });
}

} // namespace cardisto
