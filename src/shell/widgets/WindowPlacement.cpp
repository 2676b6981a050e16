// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace cardisto {

namespace {

QMargins frameMargins(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect contents = window->geometry();
    if (!window->isVisible() || frame == contents)
        return kAssumedFrameMargins;
    return {contents.left() - frame.left(), contents.top() - frame.top(), frame.right() - contents.right(),
            frame.bottom() - contents.bottom()};
}

} // namespace

QRect fitIntoArea(const QRect& frame, const QRect& area)
{
    QRect fitted(frame.topLeft(), frame.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() - fitted.width() + 1));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() - fitted.height() + 1));
    return fitted;
}

QScreen* screenAtOrPrimary(const QPoint& point)
{
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().contains(point))
            return screen;
    }
    return QGuiApplication::primaryScreen();
}

void placeOnScreen(QWidget* window, const QRect& wanted)
{
    QScreen* screen = screenAtOrPrimary(wanted.center());
    if (!screen) {
        window->setGeometry(wanted);
        return;
    }
    const QMargins margins = frameMargins(window);
    QRect frame = fitIntoArea(wanted + margins, screen->availableGeometry());
    QRect contents = frame - margins;
    // A window never gets smaller than its minimum; what cannot fit then keeps its top left corner
    // on screen, so the title bar stays within reach.
    contents.setSize(contents.size().expandedTo(window->minimumSize()));
    window->setGeometry(contents);
}

void placeOverOwner(QWidget* window, const QWidget* owner)
{
    // Before its first showing a window has no size of its own yet: it will take its size hint.
    const QSize size = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
    QRect wanted(QPoint(), size.expandedTo(window->minimumSize()));
    wanted.moveCenter(owner->frameGeometry().center());
    placeOnScreen(window, wanted);
}

} // namespace cardisto
