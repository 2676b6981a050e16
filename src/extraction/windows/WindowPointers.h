// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QList>
#include <QPointer>

class QWidget;

namespace cardisto {

// The pointers of one window: the hand over its buttons, the default over the rest, and while a
// long command runs the hourglass over the whole window, buttons and boxes included, so that moving
// the mouse does not change it until the command ends.
class WindowPointers {
public:
    explicit WindowPointers(QWidget& window) : m_window(window) {}

    void setHandPointer(const QCursor& hand, const QList<QWidget*>& buttons);

    // Showing the hourglass again while it shows changes nothing.
    void setBusy(bool busy);
    bool isBusy() const { return m_busy; }

private:
    struct SavedPointer {
        QPointer<QWidget> widget;
        bool ownPointer = false;
        QCursor pointer;
    };

    QWidget& m_window;
    bool m_busy = false;
    QList<SavedPointer> m_saved;
};

} // namespace cardisto
