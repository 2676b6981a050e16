// SPDX-License-Identifier: GPL-3.0-or-later
#include "PointerHandling.h"

#include <QEvent>
#include <QWidget>

namespace cardisto {

void setBusyPointer(QWidget* window, bool busy)
{
    if (busy == showsBusyPointer(window))
        return;
    if (busy)
        window->setCursor(Qt::WaitCursor);
    else
        window->unsetCursor();
}

bool showsBusyPointer(const QWidget* window)
{
    return window->testAttribute(Qt::WA_SetCursor) && window->cursor().shape() == Qt::WaitCursor;
}

PointerHandling::PointerHandling(QWidget* window) : QObject(window), m_window(window) {}

void PointerHandling::watchCommandButton(QWidget* button)
{
    m_commandButtons.insert(button);
    button->installEventFilter(this);
}

void PointerHandling::watchPlainArea(QWidget* area)
{
    // Moves over an area's own background arrive only with tracking on, also without a button held.
    area->setMouseTracking(true);
    area->installEventFilter(this);
}

bool PointerHandling::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (m_commandButtons.contains(watched)) {
        if (type == QEvent::Enter)
            showHandPointer();
    } else if (type == QEvent::Enter || type == QEvent::MouseMove) {
        showDefaultPointer();
    }
    return false;
}

void PointerHandling::showHandPointer()
{
    if (!showsBusyPointer(m_window))
        m_window->setCursor(m_handPointer);
}

void PointerHandling::showDefaultPointer()
{
    // Cheap to ask on every move; the pointer changes only when it is the hand.
    if (!showsBusyPointer(m_window) && m_window->cursor().shape() != Qt::ArrowCursor)
        m_window->unsetCursor();
}

} // namespace cardisto
