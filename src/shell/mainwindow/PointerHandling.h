// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QObject>
#include <QSet>

class QWidget;

namespace cardisto {

// The main window's busy state is its pointer: the hourglass while a long command runs.
void setBusyPointer(QWidget* window, bool busy);
bool showsBusyPointer(const QWidget* window);

// The main window's pointer follows the mouse: the hand over command buttons, the default pointer
// over the background, the frames, the lists and the other controls. While the hourglass shows,
// moving the mouse changes nothing; the command that set it restores the default at its end.
class PointerHandling final : public QObject {
    Q_OBJECT
public:
    explicit PointerHandling(QWidget* window);

    void setHandPointer(const QCursor& pointer) { m_handPointer = pointer; }
    const QCursor& handPointer() const { return m_handPointer; }

    // Entering the button shows the hand pointer.
    void watchCommandButton(QWidget* button);
    // Entering the area or moving over it shows the default pointer.
    void watchPlainArea(QWidget* area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showHandPointer();
    void showDefaultPointer();

    QWidget* m_window;
    QCursor m_handPointer{Qt::PointingHandCursor};
    QSet<const QObject*> m_commandButtons;
};

} // namespace cardisto
