// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPointers.h"

#include <QWidget>

namespace cardisto {

void WindowPointers::setHandPointer(const QCursor& hand, const QList<QWidget*>& buttons)
{
    for (QWidget* button : buttons)
        button->setCursor(hand);
}

void WindowPointers::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy) {
        QList<QWidget*> widgets{&m_window};
        for (QWidget* child : m_window.findChildren<QWidget*>()) {
            // Boxes and windows owned by this one keep their own pointers.
            if (child->window() == &m_window)
                widgets.append(child);
        }
        m_saved.clear();
        for (QWidget* widget : std::as_const(widgets)) {
            m_saved.append({widget, widget->testAttribute(Qt::WA_SetCursor), widget->cursor()});
            widget->setCursor(Qt::WaitCursor);
        }
        return;
    }
    for (const SavedPointer& saved : std::as_const(m_saved)) {
        if (!saved.widget)
            continue;
        if (saved.ownPointer)
            saved.widget->setCursor(saved.pointer);
        else
            saved.widget->unsetCursor();
    }
    m_saved.clear();
}

} // namespace cardisto
