// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramEnd.h"

#include "extraction/FileConversionWorker.h"
#include "extraction/ResultsModel.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace cardisto {

namespace {

[[noreturn]] void endProcessNow(int exitCode)
{
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

} // namespace

ProgramEnd::ProgramEnd(QWidget* mainWindow, std::chrono::milliseconds grace) : QObject(mainWindow), m_grace(grace)
{
    mainWindow->installEventFilter(this);
}

int ProgramEnd::finish(int exitCode, ResultsModel& results)
{
    results.leaveRowsToProgramEnd();
    if (FileConversionWorker::abandonedThreadsRunning() > 0)
        endProcessNow(exitCode);
    return exitCode;
}

bool ProgramEnd::eventFilter(QObject* watched, QEvent* event)
{
    // The timer fires only if the close was asked for inside a long command that is still on the
    // stack and letting events run; once the event loop has returned it never fires.
    if (event->type() == QEvent::Close)
        QTimer::singleShot(m_grace, [] { endProcessNow(0); });
    return QObject::eventFilter(watched, event);
}

} // namespace cardisto
