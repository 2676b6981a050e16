// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunStopKey.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace cardisto {

RunStopKey::RunStopKey(QWidget* window) : QObject(window), m_window(window)
{
    // Keys go to the focused control; watching the application sees them whatever has the focus.
    QCoreApplication::instance()->installEventFilter(this);
}

QString RunStopKey::toolTipText()
{
    return QStringLiteral("Esc stops the extraction after the current line.");
}

bool RunStopKey::eventFilter(QObject* watched, QEvent* event)
{
    // A key that a shortcut takes arrives only as its override request; one that none takes
    // arrives as both, which counts twice and stops the same.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) && watched->isWidgetType() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        static_cast<QWidget*>(watched)->window() == m_window)
        ++m_presses;
    return false;
}

} // namespace cardisto
